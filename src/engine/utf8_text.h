#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

/// A character of UTF-8 text and the bytes it takes.
struct Utf8Character {
  std::uint32_t code;
  std::size_t length;
};

/// The character whose UTF-8 sequence starts text, or nothing when no
/// well-formed one does: a shortest form of a code point up to U+10FFFF that
/// is not a surrogate.
std::optional<Utf8Character> utf8CharacterAt(std::string_view text);

/// True when bytes are well-formed UTF-8 throughout.
bool isValidUtf8(std::string_view bytes);
