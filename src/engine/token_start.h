#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

/// What begins at a position of a line outside any comment or string.
enum class TokenStart : std::uint8_t {
  Code,
  BraceComment,
  ParenComment,
  StringLiteral,
  LineComment
};

/// The bytes that may open a comment or string: "{", "(", "'" and "/".
inline constexpr std::array<bool, 256> MayOpenToken = [] {
  std::array<bool, 256> opens{};
  for (unsigned char c : {'{', '(', '\'', '/'}) opens[c] = true;
  return opens;
}();

/// What begins at text[pos], outside any comment or string. A "(" or "/"
/// without its partner is code.
inline TokenStart tokenStartAt(std::string_view text, std::size_t pos) {
  const char c = text[pos];
  if (!MayOpenToken[static_cast<unsigned char>(c)]) return TokenStart::Code;
  const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
  switch (c) {
    case '{':
      return TokenStart::BraceComment;
    case '\'':
      return TokenStart::StringLiteral;
    case '(':
      return next == '*' ? TokenStart::ParenComment : TokenStart::Code;
    default:
      return next == '/' ? TokenStart::LineComment : TokenStart::Code;
  }
}
