#include "engine/converter.h"

#include "engine/escaped_text.h"
#include "engine/html_line_writer.h"
#include "engine/line_scanner.h"

Converter::Converter(const TagSet& tags) : tags_(tags), tabSpaces_(spacesPerTab(tags.TabSize)) {}

void Converter::convertLine(std::string_view line, CommentState& state, std::string& out) const {
  HtmlLineWriter writer(line, tabSpaces_, tags_, out);
  scanLine(line, state, writer);
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
