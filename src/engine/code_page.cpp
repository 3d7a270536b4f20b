#include "engine/code_page.h"

#include <array>

namespace {

// 0x80-0x9F; every other byte is the Latin-1 character of the same number.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    // Windows-1252 holds nothing beyond U+FFFF.
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

CodePage codePageOf(std::string_view bytes) {
  return isValidUtf8(bytes) ? CodePage::Utf8 : CodePage::Windows1252;
}

char16_t windows1252Character(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : char16_t{byte};
}

Utf8Character characterAt(std::string_view text, CodePage page) {
  if (page == CodePage::Utf8) {
    if (const auto character = utf8CharacterAt(text)) return *character;
  }
  return {windows1252Character(static_cast<unsigned char>(text.front())), 1};
}

std::string toUtf8(std::string_view bytes, CodePage page) {
  if (page == CodePage::Utf8) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes)
    appendUtf8(windows1252Character(static_cast<unsigned char>(byte)), text);
  return text;
}
