#include "engine/converter.h"

#include "engine/code_marker.h"
#include "engine/escaped_text.h"
#include "engine/token_start.h"

#include <cstddef>

Converter::Converter(const TagSet& tags) : tags_(tags), tabSpaces_(spacesPerTab(tags.TabSize)) {}

void Converter::convertLine(std::string_view line, CommentState& state, std::string& out) const {
  std::size_t pos = 0;
  // The rest of a comment from an earlier line: its CommentOpen stands there.
  if (state != CommentState::None) pos = appendCommentBody(line, 0, 0, state, out);
  while (pos < line.size()) {
    pos = appendMarkedCode(line, pos, tabSpaces_, tags_, out);
    if (pos < line.size()) pos = appendToken(line, pos, state, out);
  }
}

std::size_t Converter::appendToken(std::string_view line, std::size_t pos, CommentState& state,
                                   std::string& out) const {
  switch (tokenStartAt(line, pos)) {
    case TokenStart::BraceComment:
      state = CommentState::Brace;
      out += tags_.CommentOpen;
      return appendCommentBody(line, pos, pos + 1, state, out);
    case TokenStart::ParenComment:
      // The search starts at the "*", so "(*)" is a whole comment.
      state = CommentState::Paren;
      out += tags_.CommentOpen;
      return appendCommentBody(line, pos, pos + 1, state, out);
    case TokenStart::StringLiteral: {
      // A string ends at the next quote or, unterminated, with its line.
      const std::size_t quote = line.find('\'', pos + 1);
      const std::size_t end = quote == std::string_view::npos ? line.size() : quote + 1;
      appendWrapped(line.substr(pos, end - pos), tags_.StringsOpen, tags_.StringsClose, out);
      return end;
    }
    case TokenStart::LineComment:
      appendWrapped(line.substr(pos), tags_.CommentOpen, tags_.CommentClose, out);
      return line.size();
    case TokenStart::Code:
      break;
  }
  return appendMarkedCode(line, pos, tabSpaces_, tags_, out);
}

std::size_t Converter::appendCommentBody(std::string_view line, std::size_t begin,
                                         std::size_t searchFrom, CommentState& state,
                                         std::string& out) const {
  const std::string_view closer = state == CommentState::Brace ? "}" : "*)";
  const std::size_t found = line.find(closer, searchFrom);
  if (found == std::string_view::npos) {
    appendEscaped(line.substr(begin), tabSpaces_, out);
    return line.size();
  }
  const std::size_t end = found + closer.size();
  appendEscaped(line.substr(begin, end - begin), tabSpaces_, out);
  out += tags_.CommentClose;
  state = CommentState::None;
  return end;
}

void Converter::appendWrapped(std::string_view text, const std::string& open,
                              const std::string& close, std::string& out) const {
  out += open;
  appendEscaped(text, tabSpaces_, out);
  out += close;
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
