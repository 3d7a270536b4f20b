#include "settings/utf16_text.h"

#include "engine/utf8_text.h"

#include <cstdint>
#include <optional>

namespace {

void appendUtf8(std::string& text, std::uint32_t code) {
  const auto put = [&](std::uint32_t bits) { text += static_cast<char>(bits); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xc0 | code >> 6);
    put(0x80 | (code & 0x3f));
  } else if (code < 0x10000) {
    put(0xe0 | code >> 12);
    put(0x80 | (code >> 6 & 0x3f));
    put(0x80 | (code & 0x3f));
  } else {
    put(0xf0 | code >> 18);
    put(0x80 | (code >> 12 & 0x3f));
    put(0x80 | (code >> 6 & 0x3f));
    put(0x80 | (code & 0x3f));
  }
}

void appendUnit(std::string& bytes, std::uint32_t unit) {
  bytes += static_cast<char>(unit & 0xff);
  bytes += static_cast<char>(unit >> 8);
}

bool isHighSurrogate(std::uint32_t unit) { return unit >= 0xd800 && unit < 0xdc00; }
bool isLowSurrogate(std::uint32_t unit) { return unit >= 0xdc00 && unit < 0xe000; }

}  // namespace

std::string utf8FromUtf16Le(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  const auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const std::uint32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
      appendUtf8(text, 0x10000 + ((unit - 0xd800) << 10) + (unitAt(i + 2) - 0xdc00));
      i += 2;
    } else if (unit >= 0xdc80 && unit < 0xdd00) {
      text += static_cast<char>(unit & 0xff);
    } else {
      appendUtf8(text, unit);
    }
  }
  return text;
}

std::string utf16LeFromUtf8(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  while (!text.empty()) {
    const auto character = utf8CharacterAt(text);
    const std::uint32_t code =
        character ? character->code : 0xdc00 + static_cast<unsigned char>(text[0]);
    text.remove_prefix(character ? character->length : 1);
    if (code < 0x10000) {
      appendUnit(bytes, code);
    } else {
      appendUnit(bytes, 0xd800 + ((code - 0x10000) >> 10));
      appendUnit(bytes, 0xdc00 + ((code - 0x10000) & 0x3ff));
    }
  }
  return bytes;
}
