#pragma once

#include "engine/tag_set.h"

#include <cstdint>
#include <string>
#include <vector>

/// Tag sets that the engine tests convert with.
namespace test_tags {

/// The open and close texts of the four classes.
struct Markup {
  std::string reservedOpen, reservedClose, commentOpen, commentClose;
  std::string numberOpen, numberClose, stringsOpen, stringsClose;
};

/// A tag set with the given markup and tab size.
inline TagSet withMarkup(const Markup& m, std::int32_t tabSize) {
  TagSet tags;
  tags.ReservedOpen = m.reservedOpen;
  tags.ReservedClose = m.reservedClose;
  tags.CommentOpen = m.commentOpen;
  tags.CommentClose = m.commentClose;
  tags.NumberOpen = m.numberOpen;
  tags.NumberClose = m.numberClose;
  tags.StringsOpen = m.stringsOpen;
  tags.StringsClose = m.stringsClose;
  tags.TabSize = tabSize;
  return tags;
}

/// The classic in-code set that an empty settings store gives.
inline TagSet builtIn(std::int32_t tabSize = 2) {
  const std::string navy = "<font color=\"000080\">";
  TagSet tags = withMarkup(
      {"<b>", "</b>", navy + "<i>", "</i></font>", navy, "</font>", navy, "</font>"}, tabSize);
  tags.Incode = true;
  return tags;
}

/// Short distinct markers, so that a misplaced wrap shows in a comparison.
inline TagSet markers(std::int32_t tabSize = 2) {
  return withMarkup({"[R", "R]", "[C", "C]", "[N", "N]", "[S", "S]"}, tabSize);
}

/// Markup made of what the engine tests for (digits, "#", "$", spaces,
/// letters, delimiters), which it must never look into.
inline TagSet tricky(std::int32_t tabSize = 2) {
  return withMarkup({" end ", "1", "{(*", "}", "#", "$ a", "'", ""}, tabSize);
}

/// Every markup text empty.
inline TagSet bare(std::int32_t tabSize = 2) { return withMarkup({}, tabSize); }

/// All of the above, for comparisons that run over each.
inline std::vector<TagSet> all(std::int32_t tabSize = 2) {
  return {builtIn(tabSize), markers(tabSize), tricky(tabSize), bare(tabSize)};
}

}  // namespace test_tags
