#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

/// The four highlighted token classes, in the order used everywhere: the
/// settings dialog's list, the store's keys, the theme.
enum class TokenClass : std::uint8_t { Comment = 0, Number = 1, Reserved = 2, Strings = 3 };
inline constexpr int TokenClassCount = 4;
/// The token classes in that order, for loops over them.
inline constexpr std::array<TokenClass, TokenClassCount> TokenClasses = {
    TokenClass::Comment, TokenClass::Number, TokenClass::Reserved, TokenClass::Strings};

/// The comment a line ends inside; the only state carried to the next line.
enum class CommentState : std::uint8_t { None, Brace, Paren };

/// One highlighted range of a source line, in bytes of the line as it was
/// read (before its tabs are expanded or anything is escaped). Reserved
/// words that only spaces or tabs separate form one token, as they share one
/// pair of markup in the HTML.
struct Token {
  TokenClass tokenClass;
  std::size_t offset;
  std::size_t length;
  /// False for the rest of a comment that an earlier line opened: its
  /// opening markup stands on that line.
  bool opens = true;
  /// False for a comment that goes on to the next line, where its closing
  /// markup will stand.
  bool closes = true;

  bool operator==(const Token&) const = default;
};
