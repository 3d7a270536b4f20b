#include "gui/changed_lines.h"
#include "gui/source_looks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

/// An edit (line, lines added) or, with catchUp set, a reader catching up
/// with the lines before line.
struct Step {
  long line;
  long linesAdded = 0;
  bool catchUp = false;
};

struct ChangedCase {
  const char* what;
  std::vector<Step> steps;
  /// The run first..last afterwards; nothing when no line is left edited.
  std::optional<std::pair<long, long>> run;
};

TEST(changed_lines, edits_widen_the_run_and_lines_above_move_it) {
  const ChangedCase cases[] = {
      {"typing in a line", {{5}}, {{5, 5}}},
      {"a line split", {{5, 1}}, {{5, 6}}},
      {"three lines joined", {{5, -2}}, {{5, 5}}},
      {"two edits with lines between", {{5}, {9}}, {{5, 9}}},
      {"lines added above", {{10}, {2, 3}}, {{2, 13}}},
      {"lines removed above", {{10, 1}, {2, -3}}, {{2, 8}}},
      {"the run removed with the lines", {{10}, {8, -5}}, {{8, 8}}},
      {"lines added inside", {{10, 2}, {11, 2}}, {{10, 14}}},
      {"a split of the run's last line", {{10, 2}, {12, 1}}, {{10, 13}}},
      {"caught up with some", {{5, 4}, {7, 0, true}}, {{7, 9}}},
      {"caught up with all", {{5, 4}, {10, 0, true}}, std::nullopt},
      {"caught up before the run", {{5}, {2, 0, true}}, {{5, 5}}},
      {"an edit after catching up", {{5}, {6, 0, true}, {3, 1}}, {{3, 4}}},
  };
  for (const ChangedCase& c : cases) {
    SCOPED_TRACE(c.what);
    ChangedLines changed;
    for (const Step& step : c.steps) {
      if (step.catchUp)
        changed.keepFrom(step.line);
      else
        changed.note(step.line, step.linesAdded);
    }
    ASSERT_EQ(!changed.empty(), c.run.has_value());
    if (!c.run) continue;
    EXPECT_EQ(changed.first(), c.run->first);
    EXPECT_EQ(changed.last(), c.run->second);
    EXPECT_FALSE(changed.contains(c.run->first - 1));
    EXPECT_TRUE(changed.contains(c.run->second));
  }
}

Theme storedTheme(bool incode) {
  Theme theme;
  theme.Incode = incode;
  theme.DefaultColor = "FF0000";
  theme.InCodeStored = {true, true, true, false};
  theme[TokenClass::Comment] = {false, true, true, "008000", "cmt"};
  theme[TokenClass::Number] = {true, false, false, "00ff00", "num"};
  theme[TokenClass::Reserved] = {true, false, false, "12345", "kw"};
  theme[TokenClass::Strings] = {true, true, true, "0000FF", "str"};
  return theme;
}

struct LooksCase {
  const char* what;
  Theme theme;
  SourceLooks looks;
};

TEST(source_looks, in_code_looks_in_either_mode_with_plain_colour_for_the_rest) {
  Theme classic;
  classic.Classic = true;
  classic.DefaultColor = "FFFFFF";
  Theme noColours;
  noColours.InCodeStored = {true, true, true, true};
  const TextLook red{0xFF0000};
  const SourceLooks stored{red,
                           {TextLook{0x008000, false, true, true}, TextLook{0x00FF00, true},
                            TextLook{0xFF0000, true}, red}};
  const LooksCase cases[] = {
      {"classic, whatever default colour the store holds",
       classic,
       {{0x000000},
        {TextLook{0x000080, false, true}, TextLook{0x000080}, TextLook{0x000000, true},
         TextLook{0x000080}}}},
      {"stored, in code", storedTheme(true), stored},
      {"stored, style sheets", storedTheme(false), stored},
      {"no colour anywhere", noColours, {}},
  };
  for (const LooksCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sourceLooksOf(c.theme), c.looks);
  }
}

}  // namespace
