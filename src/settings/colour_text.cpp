#include "settings/colour_text.h"

#include <charconv>

namespace {

bool isUpperHexDigit(char digit) {
  return (digit >= '0' && digit <= '9') || (digit >= 'A' && digit <= 'F');
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
  unsigned char parts[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const char* first = rrggbb.data() + 2 * i;
    const auto [end, error] = std::from_chars(first, first + 2, parts[i], 16);
    if (error != std::errc() || end != first + 2) return std::nullopt;
  }
  return ColourParts{parts[0], parts[1], parts[2]};
}

std::string upperCasedAscii(std::string text) {
  for (char& character : text)
    if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  return text;
}
