#include "engine/converter.h"

#include "reference_converter.h"
#include "test_tag_sets.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

/// What the scan and the marking tell apart, one piece each: every
/// delimiter half, a number-run character, a word and a non-word, the
/// characters that are escaped or expanded.
constexpr auto pieces =
    std::to_array<std::string_view>({"{", "}", "(*", "*)", "(", ")", "*", "'", "/", "$", "#", "1",
                                     "a", "end", " ", "&", "<", "\t"});

constexpr std::size_t mostPieces = 4;

/// The line made of the pieces that the digits of number pick, one digit
/// (in base pieces.size()) each.
std::string lineNumbered(std::size_t number, std::size_t count) {
  std::string line;
  for (std::size_t i = 0; i < count; ++i) {
    line += pieces[number % pieces.size()];
    number /= pieces.size();
  }
  return line;
}

// Random lines seldom hold every short combination; here each line of up
// to four pieces is converted outside a comment and inside each kind.
TEST(ShortLineComparison, EveryShortLineMatchesReference) {
  const TagSet tags = test_tags::markers();
  // No line, or a line that leaves a brace or parenthesis-star comment open.
  const std::vector<std::string> linesBefore[] = {{}, {std::string("{")}, {std::string("(*")}};
  std::size_t combinations = 1;
  for (std::size_t count = 0; count <= mostPieces; ++count, combinations *= pieces.size()) {
    for (std::size_t number = 0; number < combinations; ++number) {
      for (std::vector<std::string> lines : linesBefore) {
        lines.push_back(lineNumbered(number, count));
        ASSERT_EQ(Convert(lines, tags), referenceConvert(lines, tags))
            << "line \"" << lines.back() << "\" after " << lines.size() - 1 << " line(s) "
            << (lines.size() > 1 ? lines.front() : std::string());
      }
    }
  }
}

}  // namespace
