#include "settings/colour_text.h"

#include <cstddef>

namespace {

constexpr std::size_t ColourTextLength = 6;

/// The value of one hexadecimal digit of either case, or -1.
int hexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

bool isUpperHexDigit(char digit) {
  return !(digit >= 'a' && digit <= 'f') && hexDigitValue(digit) >= 0;
}

/// The characters of a UTF-8 text: every byte but the continuation bytes.
std::size_t characterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (char byte : utf8)
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

HexVerdict hexVerdict(const std::string& text) {
  if (characterCount(text) < ColourTextLength) return HexVerdict::TooShort;
  for (char character : text)
    if (!isUpperHexDigit(character)) return HexVerdict::NotHexadecimal;
  return HexVerdict::Accepted;
}

std::string hexRejectionMessage(HexVerdict verdict) {
  switch (verdict) {
    case HexVerdict::TooShort:
      return "\n\rPlease enter a 6 character hexadecimal value.";
    case HexVerdict::NotHexadecimal:
      return "\n\rNumber entered is not a valid hexadecimal value.";
    case HexVerdict::Accepted:
      break;
  }
  return {};
}

std::optional<ColourParts> colourParts(const std::string& rrggbb) {
  if (rrggbb.size() != ColourTextLength) return std::nullopt;
  int values[ColourTextLength];
  for (std::size_t i = 0; i < ColourTextLength; ++i) {
    values[i] = hexDigitValue(rrggbb[i]);
    if (values[i] < 0) return std::nullopt;
  }
  return ColourParts{values[0] * 16 + values[1], values[2] * 16 + values[3],
                     values[4] * 16 + values[5]};
}

std::string upperCasedAscii(std::string text) {
  for (char& character : text)
    if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  return text;
}
