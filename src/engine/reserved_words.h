#pragma once

#include <array>
#include <string_view>

// clang-format off: one row per initial letter
/// The Delphi reserved words that get reserved-word markup, lower case and
/// in alphabetical order.
inline constexpr std::array<std::string_view, 70> ReservedWords = {
    "and", "array", "as", "asm", "automated",
    "begin",
    "case", "class", "const", "constructor",
    "destructor", "dispinterface", "div", "do", "downto",
    "else", "end", "except", "exports",
    "file", "finalization", "finally", "for", "function",
    "goto",
    "if", "implementation", "in", "inherited", "initialization", "inline", "interface", "is",
    "label", "library",
    "mod",
    "nil", "not",
    "object", "of", "on", "or", "out",
    "packed", "private", "procedure", "program", "property", "protected", "public", "published",
    "raise", "record", "repeat", "resourcestring",
    "set", "shl", "shr", "string",
    "then", "threadvar", "to", "try", "type",
    "unit", "until", "uses",
    "var",
    "while", "with",
};
// clang-format on

/// Whether word, compared without regard to the case of a to z, is one of
/// ReservedWords. Looks only at the few words of the same initial letter and
/// length; nothing is allocated.
bool isReservedWord(std::string_view word);
