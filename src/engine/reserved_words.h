#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// clang-format off: one row per initial letter
/// The Delphi reserved words that get reserved-word markup, lower case and
/// in alphabetical order.
inline constexpr std::array<std::string_view, 70> ReservedWords = {
    "and",
    "array",
    "as",
    "asm",
    "automated",
    "begin",
    "case",
    "class",
    "const",
    "constructor",
    "destructor",
    "dispinterface",
    "div",
    "do",
    "downto",
    "else",
    "end",
    "except",
    "exports",
    "file",
    "finalization",
    "finally",
    "for",
    "function",
    "goto",
    "if",
    "implementation",
    "in",
    "inherited",
    "initialization",
    "inline",
    "interface",
    "is",
    "label",
    "library",
    "mod",
    "nil",
    "not",
    "object",
    "of",
    "on",
    "or",
    "out",
    "packed",
    "private",
    "procedure",
    "program",
    "property",
    "protected",
    "public",
    "published",
    "raise",
    "record",
    "repeat",
    "resourcestring",
    "set",
    "shl",
    "shr",
    "string",
    "then",
    "threadvar",
    "to",
    "try",
    "type",
    "unit",
    "until",
    "uses",
    "var",
    "while",
    "with",
};
// clang-format on

/// Whether word, compared without regard to the case of a to z, is one of
/// ReservedWords. Looks only at the few words of the same initial letter and
/// length; nothing is allocated.
bool isReservedWord(std::string_view word);

/// For each initial a to z, a bit for each length of the reserved words that
/// begin with it.
inline constexpr std::array<std::uint16_t, 26> ReservedWordLengths = [] {
  std::array<std::uint16_t, 26> lengths{};
  for (std::string_view word : ReservedWords)
    lengths[static_cast<std::size_t>(word[0] - 'a')] |=
        static_cast<std::uint16_t>(1u << word.size());
  return lengths;
}();

/// A quick test that most names fail: whether a reserved word has the initial
/// (in either case) and the length of word, which must not be empty. Inline,
/// unlike isReservedWord, because it is asked about every name.
inline bool mayBeReservedWord(std::string_view word) {
  const auto letter = static_cast<std::size_t>(static_cast<unsigned char>(word[0] | 0x20) - 'a');
  return letter < ReservedWordLengths.size() && word.size() < 16 &&
         ((ReservedWordLengths[letter] >> word.size()) & 1) != 0;
}
