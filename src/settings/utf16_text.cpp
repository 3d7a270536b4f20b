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

/// The surrogate whose three-byte form starts text, where utf8FromUtf16Le
/// writes a lone one that stands for no byte; or nothing.
std::optional<std::uint32_t> loneSurrogate(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (text.size() < 3 || byte(0) != 0xed || byte(1) < 0xa0 || byte(1) > 0xbf ||
      (byte(2) & 0xc0) != 0x80)
    return std::nullopt;
  const std::uint32_t unit = 0xd000 | (byte(1) & 0x3f) << 6 | (byte(2) & 0x3f);
  if (unit >= 0xdc80 && unit < 0xdd00) return std::nullopt;
  return unit;
}

/// The lone surrogate U+DC00 plus a byte that starts no character.
void appendByte(std::string& bytes, char byte) {
  appendUnit(bytes, 0xdc00 + static_cast<unsigned char>(byte));
}

void appendCharacter(std::string& bytes, std::uint32_t code) {
  if (code < 0x10000) {
    appendUnit(bytes, code);
  } else {
    appendUnit(bytes, 0xd800 + ((code - 0x10000) >> 10));
    appendUnit(bytes, 0xdc00 + ((code - 0x10000) & 0x3ff));
  }
}

bool startsWithLoneHighSurrogate(std::string_view text) {
  const auto unit = loneSurrogate(text);
  return unit && isHighSurrogate(*unit);
}

/// Whether utf16LeKeepingSurrogates begins text, which does not start with a lone
/// high surrogate, with a low one: a lone low one, or a byte that starts no
/// character.
bool startsWithLowUnit(std::string_view text) { return !text.empty() && !utf8CharacterAt(text); }

/// The UTF-16LE bytes of text; keepSurrogates takes the three-byte form of a
/// lone surrogate back to it (see utf16LeKeepingSurrogates).
std::string utf16Le(std::string_view text, bool keepSurrogates) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  while (!text.empty()) {
    if (const auto character = utf8CharacterAt(text)) {
      appendCharacter(bytes, character->code);
      text.remove_prefix(character->length);
    } else if (const auto lone = keepSurrogates ? loneSurrogate(text) : std::nullopt;
               lone && !isHighSurrogate(*lone)) {
      appendUnit(bytes, *lone);
      text.remove_prefix(3);
    } else if (lone) {
      // A run of high surrogates before a low unit would read back as a
      // pair: then the whole run keeps its bytes as bytes.
      std::size_t run = 3;
      while (startsWithLoneHighSurrogate(text.substr(run))) run += 3;
      const bool asBytes = startsWithLowUnit(text.substr(run));
      for (std::size_t i = 0; i < run; i += 3) {
        if (asBytes) {
          for (std::size_t j = i; j < i + 3; ++j) appendByte(bytes, text[j]);
        } else {
          appendUnit(bytes, *loneSurrogate(text.substr(i)));
        }
      }
      text.remove_prefix(run);
    } else {
      appendByte(bytes, text[0]);
      text.remove_prefix(1);
    }
  }
  return bytes;
}

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

std::string utf16LeFromUtf8(std::string_view text) { return utf16Le(text, false); }

std::string utf16LeKeepingSurrogates(std::string_view text) { return utf16Le(text, true); }
