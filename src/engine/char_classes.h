#pragma once

/// The character tests of the conversion. Only ASCII is tested: bytes of
/// 0x80 and above are neither letters nor digits, whatever the code page.
namespace char_classes {

/// A to Z or a to z.
constexpr bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

/// 0 to 9.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// A letter or a digit: what a reserved word must not touch. The underscore
/// is not one of them.
constexpr bool isWordChar(char c) { return isLetter(c) || isDigit(c); }

}  // namespace char_classes
