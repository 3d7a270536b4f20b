// The tokens of the scan against the HTML it writes: HTML rendered from the
// token list must be the converter's HTML byte for byte, on random and on
// real units, with every tag set the engine tests use; and the tokens must
// be what a highlighter can trust (in order, disjoint, inside the line).

#include "engine/converter.h"
#include "engine/line_tokens.h"
#include "engine/source_lines.h"

#include "random_source.h"
#include "test_files.h"
#include "test_tag_sets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>

namespace {

/// Why the tokens of a line cannot be trusted, or nothing.
std::string tokenFault(std::string_view line, CommentState before,
                       const std::vector<Token>& tokens) {
  std::size_t end = 0;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    if (token.length == 0) return "an empty token";
    if (token.offset < end) return "tokens out of order or overlapping";
    end = token.offset + token.length;
    if (end > line.size()) return "a token past the line's end";
    const bool comment = token.tokenClass == TokenClass::Comment;
    if (!token.opens && !(comment && i == 0 && token.offset == 0 && before != CommentState::None)) {
      return "a token without its opening that no earlier line opened";
    }
    if (!token.closes && !(comment && i + 1 == tokens.size() && end == line.size())) {
      return "a token left open before the line's end";
    }
  }
  return "";
}

/// Compares the two ways through every line of a unit for each tag set.
void expectTokensMatchHtml(const std::vector<std::string>& lines, const std::string& where) {
  for (const TagSet& tags : test_tags::all(4)) {
    const Converter converter(tags);
    CommentState htmlState = CommentState::None;
    CommentState tokenState = CommentState::None;
    std::vector<Token> tokens;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      std::string html;
      converter.convertLine(lines[n], htmlState, html);
      const CommentState before = tokenState;
      scanTokens(lines[n], tokenState, tokens);
      std::string rendered;
      appendHtmlOfTokens(lines[n], tokens, tags, rendered);
      ASSERT_EQ(rendered, html) << where << ", line " << n + 1 << ": " << lines[n];
      ASSERT_EQ(tokenState, htmlState) << where << ", line " << n + 1;
      ASSERT_EQ(tokenFault(lines[n], before, tokens), "") << where << ", line " << n + 1;
    }
  }
}

class RandomTokens : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomTokens, RenderTheConvertersHtml) {
  std::mt19937 random(GetParam());
  for (int round = 0; round < 1500; ++round) {
    expectTokensMatchHtml(randomSourceLines(random), "seed " + std::to_string(GetParam()) +
                                                         ", round " + std::to_string(round));
  }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomTokens, testing::Values(5u, 6u, 20261209u));

TEST(RealTokens, RenderTheConvertersHtml) {
  // The golden units, and the fuzzer's seeds, which hold the scanner's traps.
  int units = 0;
  for (const char* folder : {"tests/cli/golden", "tests/fuzz/seeds"}) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(SOURCE_DIR) / folder)) {
      const auto extension = entry.path().extension();
      if (!entry.is_regular_file() || extension == ".html" || extension == ".reg") continue;
      expectTokensMatchHtml(splitSourceLines(readBytes(entry.path())), entry.path().string());
      ++units;
    }
  }
  EXPECT_GE(units, 4);
}

using Tokens = std::vector<Token>;
constexpr auto Comment = TokenClass::Comment;
constexpr auto Number = TokenClass::Number;
constexpr auto Reserved = TokenClass::Reserved;
constexpr auto Strings = TokenClass::Strings;

struct TokenCase {
  const char* line;
  CommentState before;
  Tokens tokens;
  CommentState after;
};

TEST(ScanTokens, ReportTheRangesTheHtmlMarks) {
  const TokenCase cases[] = {
      // Words that only spaces or tabs separate are one range, as in the HTML.
      {"end else\tbegin;", CommentState::None, {{Reserved, 0, 14}}, CommentState::None},
      {"my_end := $FF + x1;",
       CommentState::None,
       {{Reserved, 3, 3}, {Number, 10, 1}},
       CommentState::None},
      {"s := 'it''s'; // done",
       CommentState::None,
       {{Strings, 5, 4}, {Strings, 9, 3}, {Comment, 14, 7}},
       CommentState::None},
      {"x := 1; { open",
       CommentState::None,
       {{Number, 5, 1}, {Comment, 8, 6, true, false}},
       CommentState::Brace},
      {"still } if",
       CommentState::Brace,
       {{Comment, 0, 7, false, true}, {Reserved, 8, 2}},
       CommentState::None},
      {"(* a", CommentState::Paren, {{Comment, 0, 4, false, false}}, CommentState::Paren},
      {"", CommentState::Brace, {}, CommentState::Brace},
  };
  for (const TokenCase& test : cases) {
    CommentState state = test.before;
    Tokens tokens{{Comment, 99, 1}};
    scanTokens(test.line, state, tokens);
    EXPECT_EQ(tokens, test.tokens) << test.line;
    EXPECT_EQ(state, test.after) << test.line;
  }
}

}  // namespace
