// Converts the fuzzer's input with the fast engine and with the literal
// reference, renders HTML from the engine's tokens too, and aborts where any
// two differ.

#include "engine/converter.h"
#include "engine/line_tokens.h"

#include "reference_converter.h"
#include "test_tag_sets.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t tabSizes[] = {2, 0, 1, 4, 99, 100, -1, 2147483647};

/// The bytes after the first, cut at every LF.
std::vector<std::string> sourceLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\n', begin)) != std::string_view::npos; begin = end + 1) {
    lines.emplace_back(text.substr(begin, end - begin));
  }
  lines.emplace_back(text.substr(begin));
  return lines;
}

void reportDifference(const std::vector<std::string>& fast,
                      const std::vector<std::string>& reference) {
  for (std::size_t i = 0; i < fast.size() && i < reference.size(); ++i) {
    if (fast[i] != reference[i]) {
      std::fprintf(stderr, "line %zu differs\n engine:    %s\n reference: %s\n", i + 1,
                   fast[i].c_str(), reference[i].c_str());
      return;
    }
  }
  std::fprintf(stderr, "line counts differ: %zu and %zu\n", fast.size(), reference.size());
}

/// The HTML of the lines rendered from their tokens.
std::vector<std::string> renderedFromTokens(const std::vector<std::string>& lines,
                                            const TagSet& tags) {
  std::vector<std::string> html;
  std::vector<Token> tokens;
  CommentState state = CommentState::None;
  for (const std::string& line : lines) {
    scanTokens(line, state, tokens);
    appendHtmlOfTokens(line, tokens, tags, html.emplace_back());
  }
  return html;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  // The first byte picks the markup (low two bits) and the tab size.
  const std::uint8_t choice = data[0];
  const std::vector<TagSet> tagSets = test_tags::all(tabSizes[(choice >> 2) % std::size(tabSizes)]);
  const TagSet& tags = tagSets[choice % tagSets.size()];
  const std::vector<std::string> lines =
      sourceLines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  const std::vector<std::string> fast = Convert(lines, tags);
  const std::vector<std::string> reference = referenceConvert(lines, tags);
  if (fast != reference) {
    reportDifference(fast, reference);
    std::abort();
  }
  const std::vector<std::string> rendered = renderedFromTokens(lines, tags);
  if (rendered != fast) {
    reportDifference(rendered, fast);
    std::abort();
  }
  return 0;
}
