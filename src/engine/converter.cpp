#include "engine/converter.h"

#include "engine/code_marker.h"
#include "engine/prepared_line.h"

#include <array>
#include <cstddef>

namespace {

/// What begins at a position of a line outside any comment or string.
enum class TokenStart : std::uint8_t {
  Code,
  BraceComment,
  ParenComment,
  StringLiteral,
  LineComment
};

constexpr std::array<bool, 256> mayOpenToken = [] {
  std::array<bool, 256> opens{};
  for (unsigned char c : {'{', '(', '\'', '/'}) {
    opens[c] = true;
  }
  return opens;
}();

TokenStart tokenStartAt(std::string_view text, std::size_t pos) {
  const char c = text[pos];
  if (!mayOpenToken[static_cast<unsigned char>(c)]) {
    return TokenStart::Code;
  }
  const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
  if (c == '{') {
    return TokenStart::BraceComment;
  }
  if (c == '\'') {
    return TokenStart::StringLiteral;
  }
  if (c == '(' && next == '*') {
    return TokenStart::ParenComment;
  }
  if (c == '/' && next == '/') {
    return TokenStart::LineComment;
  }
  return TokenStart::Code;
}

/// Appends the comment text from begin to its closing delimiter, searched
/// from searchFrom, and CommentClose if it closes on this line; otherwise
/// the rest of the line, and state stays inside the comment. Returns the
/// position after what it took.
std::size_t appendCommentBody(std::string_view text, std::size_t begin, std::size_t searchFrom,
                              CommentState& state, const TagSet& tags, std::string& out) {
  const std::string_view closer = state == CommentState::Brace ? "}" : "*)";
  const std::size_t found = text.find(closer, searchFrom);
  if (found == std::string_view::npos) {
    out.append(text.substr(begin));
    return text.size();
  }
  const std::size_t end = found + closer.size();
  out.append(text.substr(begin, end - begin));
  out += tags.CommentClose;
  state = CommentState::None;
  return end;
}

/// The end of the code segment that begins at begin.
std::size_t codeEnd(std::string_view text, std::size_t begin) {
  std::size_t end = begin + 1;
  while (end < text.size() && (!mayOpenToken[static_cast<unsigned char>(text[end])] ||
                               tokenStartAt(text, end) == TokenStart::Code)) {
    ++end;
  }
  return end;
}

void appendWrapped(std::string_view text, const std::string& open, const std::string& close,
                   std::string& out) {
  out += open;
  out.append(text);
  out += close;
}

}  // namespace

Converter::Converter(const TagSet& tags) : tags_(tags), tabSpaces_(spacesPerTab(tags.TabSize)) {}

void Converter::convertLine(std::string_view line, CommentState& state, std::string& out) {
  prepared_.clear();
  appendPreparedLine(line, tabSpaces_, prepared_);
  const std::string_view text = prepared_;

  std::size_t pos = 0;
  // The rest of a comment from an earlier line: its CommentOpen stands there.
  if (state != CommentState::None) {
    pos = appendCommentBody(text, 0, 0, state, tags_, out);
  }
  while (pos < text.size()) {
    switch (tokenStartAt(text, pos)) {
      case TokenStart::BraceComment:
        state = CommentState::Brace;
        out += tags_.CommentOpen;
        pos = appendCommentBody(text, pos, pos + 1, state, tags_, out);
        break;
      case TokenStart::ParenComment:
        // The search starts at the "*", so "(*)" is a whole comment.
        state = CommentState::Paren;
        out += tags_.CommentOpen;
        pos = appendCommentBody(text, pos, pos + 1, state, tags_, out);
        break;
      case TokenStart::StringLiteral: {
        // A string ends at the next quote or, unterminated, with its line.
        const std::size_t quote = text.find('\'', pos + 1);
        const std::size_t end = quote == std::string_view::npos ? text.size() : quote + 1;
        appendWrapped(text.substr(pos, end - pos), tags_.StringsOpen, tags_.StringsClose, out);
        pos = end;
        break;
      }
      case TokenStart::LineComment:
        appendWrapped(text.substr(pos), tags_.CommentOpen, tags_.CommentClose, out);
        pos = text.size();
        break;
      case TokenStart::Code: {
        const std::size_t end = codeEnd(text, pos);
        appendMarkedCode(text.substr(pos, end - pos), tags_, out);
        pos = end;
        break;
      }
    }
  }
}

std::vector<std::string> Convert(const std::vector<std::string>& lines, const TagSet& tags) {
  Converter converter(tags);
  CommentState state = CommentState::None;
  std::vector<std::string> html;
  html.reserve(lines.size());
  for (const std::string& line : lines) {
    converter.convertLine(line, state, html.emplace_back());
  }
  return html;
}
