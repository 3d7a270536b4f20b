#include "output/html_fragment.h"

#include "engine/converter.h"

#include <string_view>

namespace {

// A mail program or word processor that takes the paste keeps inline styles
// only, so the font is named on the <pre> itself. The meta line tells a
// consumer that guesses the encoding of text/html what it is.
constexpr std::string_view FragmentHead =
    "<meta charset=\"utf-8\"><pre style=\"font-family:'Courier New', monospace\">";
constexpr std::string_view FragmentTail = "</pre>";

}  // namespace

std::string htmlFragment(const std::vector<std::string>& lines, const TagSet& tags) {
  const Converter converter(tags);
  CommentState state = CommentState::None;
  std::string html(FragmentHead);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) html += '\n';
    converter.convertLine(lines[i], state, html);
  }
  html += FragmentTail;
  return html;
}
