#include "gui/code_page.h"

namespace {

bool isHighRow(char16_t unit) { return unit >= 0x80 && unit < 0xA0; }

char windows1252Byte(char16_t unit) {
  if (unit < 0x100 && !isHighRow(unit)) return static_cast<char>(unit);
  for (unsigned char byte = 0x80; byte < 0xA0; ++byte)
    if (windows1252Character(byte) == unit) return static_cast<char>(byte);
  return '?';
}

QString decodeWindows1252(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes)
    *out++ = QChar(windows1252Character(static_cast<unsigned char>(byte)));
  return text;
}

std::string encodeWindows1252(QStringView text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    // A character beyond U+FFFF is two UTF-16 units but one "?".
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    bytes += windows1252Byte(unit.unicode());
  }
  return bytes;
}

}  // namespace

QString decodeText(std::string_view bytes, CodePage page) {
  if (page == CodePage::Windows1252) return decodeWindows1252(bytes);
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string encodeText(QStringView text, CodePage page) {
  if (page == CodePage::Windows1252) return encodeWindows1252(text);
  return text.toUtf8().toStdString();
}
