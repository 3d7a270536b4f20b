#include "settings/style_sheet_text.h"

#include "settings/theme_store.h"
#include "settings/theme_tags.h"

#include <cstdio>

namespace {

constexpr std::string_view LineEnd = "\r\n";

/// The white space that separates the words of a class attribute.
bool isClassSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

/// A byte that may stand in an identifier as it is.
bool isIdentifierByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         c == '-' || c == '_';
}

std::string hexEscape(unsigned char byte) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\%x ", byte);
  return escape;
}

/// word as a CSS identifier, escaped as a browser's CSS.escape() escapes it.
std::string cssIdentifier(std::string_view word) {
  std::string identifier;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    const auto byte = static_cast<unsigned char>(c);
    const bool leadingDigit = isAsciiDigit(c) && (i == 0 || (i == 1 && word[0] == '-'));
    if (byte == 0) {
      identifier += "\xEF\xBF\xBD";  // U+FFFD, as a NUL reads in CSS
    } else if (byte < 0x20 || byte == 0x7F || leadingDigit) {
      identifier += hexEscape(byte);
    } else if (c == '-' && i == 0 && word.size() == 1) {
      identifier += "\\-";
    } else if (isIdentifierByte(c)) {
      identifier += c;
    } else {
      identifier += '\\';
      identifier += c;
    }
  }
  return identifier;
}

}  // namespace

std::string classSelector(std::string_view classAttribute) {
  std::string selector;
  std::size_t pos = 0;
  while (pos < classAttribute.size()) {
    if (isClassSeparator(classAttribute[pos])) {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < classAttribute.size() && !isClassSeparator(classAttribute[end])) ++end;
    selector += '.';
    selector += cssIdentifier(classAttribute.substr(pos, end - pos));
    pos = end;
  }
  return selector;
}

std::string styleSheetText(const Theme& theme) {
  std::string sheet;
  for (const auto tokenClass : TokenClasses) {
    const std::string selector = classSelector(theme[tokenClass].StyleClass);
    if (selector.empty()) continue;
    if (!sheet.empty()) sheet += LineEnd;
    sheet += selector;
    sheet += " {";
    sheet += LineEnd;
    for (const std::string& declaration :
         styleDeclarations(inCodeLook(theme, tokenClass), lookDefaultColor(theme))) {
      sheet += "  ";
      sheet += declaration;
      sheet += ';';
      sheet += LineEnd;
    }
    sheet += '}';
    sheet += LineEnd;
  }
  return sheet;
}

std::string storedStyleSheet(SettingsStore& store) {
  const SettingsReadGroup reads(store);
  Theme theme;
  readTheme(store, theme, ThemeKeys::All);
  return styleSheetText(theme);
}
