#include "gui/code_page.h"

#include "engine/utf8_text.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// 0x80-0x9F; every other byte is the Latin-1 character of the same number.
// The unassigned bytes stand for the control characters of their number.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHighRow(char16_t unit) { return unit >= 0x80 && unit < 0xA0; }

char windows1252Byte(char16_t unit) {
  if (unit < 0x100 && !isHighRow(unit)) return static_cast<char>(unit);
  const auto* found = std::find(kWindows1252High.begin(), kWindows1252High.end(), unit);
  if (found == kWindows1252High.end()) return '?';
  return static_cast<char>(0x80 + std::distance(kWindows1252High.begin(), found));
}

QString decodeWindows1252(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    *out++ = QChar(isHighRow(value) ? kWindows1252High[value - 0x80] : char16_t{value});
  }
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

CodePage codePageOf(std::string_view bytes) {
  return isValidUtf8(bytes) ? CodePage::Utf8 : CodePage::Windows1252;
}

QString decodeText(std::string_view bytes, CodePage page) {
  if (page == CodePage::Windows1252) return decodeWindows1252(bytes);
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string encodeText(QStringView text, CodePage page) {
  if (page == CodePage::Windows1252) return encodeWindows1252(text);
  return text.toUtf8().toStdString();
}
