#include "engine/reserved_words.h"
#include "engine/escaped_text.h"

#include "reference_converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

TEST(ReservedWords, TableIsTheWrittenList) {
  EXPECT_TRUE(std::ranges::equal(ReservedWords, referenceReservedWords()));
  EXPECT_EQ(referenceReservedWords().size(), 70u);
}

TEST(ReservedWords, TableIsSortedLowerCaseAndUnique) {
  EXPECT_TRUE(std::ranges::is_sorted(ReservedWords));
  EXPECT_EQ(std::ranges::adjacent_find(ReservedWords), ReservedWords.end());
  for (std::string_view word : ReservedWords) {
    EXPECT_TRUE(std::ranges::all_of(word, [](char c) { return c >= 'a' && c <= 'z'; })) << word;
  }
}

TEST(ReservedWords, EveryWordIsFoundInAnyCase) {
  for (std::string_view word : ReservedWords) {
    std::string upper(word);
    std::ranges::transform(upper, upper.begin(), [](char c) { return c - 'a' + 'A'; });
    std::string mixed(word);
    mixed[0] = upper[0];
    EXPECT_TRUE(isReservedWord(word)) << word;
    EXPECT_TRUE(isReservedWord(upper)) << upper;
    EXPECT_TRUE(isReservedWord(mixed)) << mixed;
    EXPECT_TRUE(mayBeReservedWord(word) && mayBeReservedWord(upper)) << word;
  }
}

// The quick test may pass a name, but must fail those no reserved word is like.
TEST(ReservedWords, QuickTestFailsNamesOfOtherInitialsOrLengths) {
  for (std::string_view word : {"integer", "x", "Resulting", "zero", "_end", "1end", "\xC9ND",
                                "resourcestrings", "implementationsection"}) {
    EXPECT_FALSE(mayBeReservedWord(word)) << word;
  }
}

TEST(ReservedWords, OtherWordsAreNot) {
  for (std::string_view word : {"", "a", "integer", "override", "virtual", "begins", "egin", "en",
                                "_end", "end_", "resourcestrings", "initialisation", "\xC9ND"}) {
    EXPECT_FALSE(isReservedWord(word)) << word;
  }
}

TEST(EscapedText, SpacesPerTabKeepsToTheDialogRange) {
  const std::pair<std::int32_t, int> cases[] = {
      {-2147483647 - 1, 1}, {-1, 1}, {0, 1}, {1, 1}, {2, 2}, {99, 99}, {100, 99}, {2147483647, 99}};
  for (auto [stored, spaces] : cases) {
    EXPECT_EQ(spacesPerTab(stored), spaces) << stored;
  }
}

}  // namespace
