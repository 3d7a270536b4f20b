#include "output/html_fragment.h"

#include <gtest/gtest.h>

namespace {

const std::string Head =
    "<meta charset=\"utf-8\"><pre style=\"font-family:'Courier New', monospace\">";
const std::string Italic = "<span style=\"font-style:italic\">";
const std::string Bold = "<span style=\"font-weight:bold\">";

TagSet spanTags(std::int32_t tabSize) {
  TagSet tags;
  tags.CommentOpen = Italic;
  tags.CommentClose = "</span>";
  tags.ReservedOpen = Bold;
  tags.ReservedClose = "</span>";
  tags.TabSize = tabSize;
  return tags;
}

struct FragmentCase {
  const char* what;
  std::vector<std::string> lines;
  std::int32_t tabSize;
  std::string body;
};

void PrintTo(const FragmentCase& param, std::ostream* out) { *out << param.what; }

class Fragments : public testing::TestWithParam<FragmentCase> {};

TEST_P(Fragments, HoldTheConvertedLinesInOnePre) {
  EXPECT_EQ(htmlFragment(GetParam().lines, spanTags(GetParam().tabSize)),
            Head + GetParam().body + "</pre>");
}

INSTANTIATE_TEST_SUITE_P(
    HtmlFragment, Fragments,
    testing::Values(FragmentCase{"NoLines", {}, 2, ""}, FragmentCase{"OneEmptyLine", {""}, 2, ""},
                    // The line breaks stand between the lines: none follows the last,
                    // where a consumer would show an empty line.
                    FragmentCase{"LinesJoinedByLf",
                                 {"begin", "", "end"},
                                 2,
                                 Bold + "begin</span>\n\n" + Bold + "end</span>"},
                    // The fragment nests as a whole: a comment over lines is one span.
                    FragmentCase{"CommentOverLinesIsOneSpan",
                                 {"x { a", "b } y"},
                                 2,
                                 "x " + Italic + "{ a\nb }</span> y"},
                    FragmentCase{"TabsExpandedByTabSize", {"\tx\t"}, 3, "   x   "},
                    FragmentCase{"MarkupCharactersEscaped", {"a<b>&c"}, 2, "a&lt;b&gt;&amp;c"},
                    FragmentCase{"OtherBytesPassThrough",
                                 {std::string("caf\xC3\xA9 \xE9\0", 8)},
                                 2,
                                 std::string("caf\xC3\xA9 \xE9\0", 8)}),
    [](const auto& test) { return std::string(test.param.what); });

}  // namespace
