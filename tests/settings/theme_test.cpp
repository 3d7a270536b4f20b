// The theme: which keys a read covers, the write that the read gives back,
// and the renderers that only write (the style sheet, the inline styles).

#include "settings/style_sheet_text.h"
#include "settings/theme_store.h"
#include "settings/theme_tags.h"
#include "store_text.h"

#include <gtest/gtest.h>

namespace {

const std::string NoFlags = "\"Bold\"=dword:0\n\"Italic\"=dword:0\n\"Underlined\"=dword:0\n";

/// A store in the given mode whose Comment in-code key and Style key hold
/// the given values.
MemoryStore storeWith(bool incode, const std::string& commentValues,
                      const std::string& styleValues) {
  return storeFrom("REGEDIT4\n" + Settings + "]\n\"Incode\"=dword:" + (incode ? "1" : "0") +
                   "\n\"TabSize\"=dword:3\n\"DefaultColor\"=\"000000\"\n" + Settings +
                   "\\InCode\\Comment]\n" + commentValues + Settings + "\\Style]\n" + styleValues);
}

/// The message a read raises, or "read" when it reads.
std::string readOutcome(MemoryStore store, ThemeKeys keys) {
  Theme theme;
  try {
    readTheme(store, theme, keys);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "read";
}

TEST(ReadTheme, ReadsTheKeysItIsAskedFor) {
  const std::string goodComment = "\"Color\"=\"008000\"\n" + NoFlags;
  const std::string brokenComment = "\"Color\"=dword:1\n";
  const std::string goodStyle = "\"Comment\"=\"c\"\n\"Sheet\"=\"s.css\"\n";
  const std::string brokenStyle = "\"Number\"=dword:1\n";
  struct Case {
    bool incode;
    std::string comment, style;
    ThemeKeys keys;
    std::string outcome;
  };
  const Case cases[] = {
      // A conversion never trips over the keys of the mode not in use.
      {true, goodComment, brokenStyle, ThemeKeys::OfMode, "read"},
      {false, brokenComment, goodStyle, ThemeKeys::OfMode, "read"},
      {true, goodComment, brokenStyle, ThemeKeys::All, "Invalid data type for 'Number'"},
      {false, brokenComment, goodStyle, ThemeKeys::All, "Invalid data type for 'Color'"},
      // The looks are the in-code keys, in either mode, and only they.
      {false, brokenComment, goodStyle, ThemeKeys::InCode, "Invalid data type for 'Color'"},
      {true, goodComment, brokenStyle, ThemeKeys::InCode, "read"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(readOutcome(storeWith(test.incode, test.comment, test.style), test.keys),
              test.outcome)
        << test.incode << " " << static_cast<int>(test.keys);
  }
}

TEST(ReadTheme, GivesBackWhatWriteThemeWrote) {
  Theme written;
  written[TokenClass::Comment] = {false, true, true, "008000", "cmt"};
  written[TokenClass::Reserved] = {true, false, false, "000000", "kw"};
  written.StyleSheet = "site.css";
  written.DefaultColor = "111111";
  written.Incode = false;
  written.TabSize = 7;
  MemoryStore store;
  writeTheme(store, written);
  Theme read;
  readTheme(store, read, ThemeKeys::All);
  EXPECT_EQ(read.Classes, written.Classes);
  EXPECT_EQ(read.StyleSheet, written.StyleSheet);
  EXPECT_EQ(read.DefaultColor, written.DefaultColor);
  EXPECT_EQ(read.Incode, written.Incode);
  EXPECT_EQ(read.TabSize, written.TabSize);
  EXPECT_FALSE(read.Classic);
  EXPECT_EQ(read.InCodeStored, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(read.StyleStored, (std::array<bool, 4>{true, true, true, true}));
}

/// A theme as the store gives it: every class stored, in both modes.
Theme storedTheme() {
  Theme theme;
  theme.InCodeStored = {true, true, true, true};
  theme.StyleStored = {true, true, true, true};
  theme.DefaultColor = "000000";
  return theme;
}

TEST(StyleSheetText, OneRulePerNamedClassWithItsInCodeLook) {
  Theme theme = storedTheme();
  theme[TokenClass::Comment] = {false, true, false, "000080", "comment"};
  theme[TokenClass::Number] = {false, false, false, "000080", ""};
  theme[TokenClass::Reserved] = {true, false, true, "000000", "kw  strong"};
  theme[TokenClass::Strings] = {false, false, false, "zz", "1st"};
  EXPECT_EQ(styleSheetText(theme),
            ".comment {\r\n  color:#000080;\r\n  font-style:italic;\r\n}\r\n"
            "\r\n"
            ".kw.strong {\r\n  font-weight:bold;\r\n  text-decoration:underline;\r\n}\r\n"
            "\r\n"
            ".\\31 st {\r\n}\r\n");
  // Where the store holds no settings, the classic looks stand in.
  Theme classic;
  classic.Classic = true;
  classic[TokenClass::Reserved].StyleClass = "kw";
  EXPECT_EQ(styleSheetText(classic), ".kw {\r\n  font-weight:bold;\r\n}\r\n");
}

TEST(StyleSheetText, RuleTable) {
  const auto themeWith = [](ClassAttributes comment, ClassAttributes reserved) {
    Theme theme = storedTheme();
    theme[TokenClass::Comment] = std::move(comment);
    theme[TokenClass::Reserved] = std::move(reserved);
    return theme;
  };
  struct Case {
    const char* name;
    Theme theme;
    std::string sheet;
  };
  const Case cases[] = {
      {"no class has a name: no rule", themeWith({true, false, false, "FF0000", ""}, {}), ""},
      {"a name of spaces selects nothing: no rule",
       themeWith({true, false, false, "FF0000", " \t "}, {false, false, false, "", "kw"}),
       ".kw {\r\n}\r\n"},
      {"a name that would end the rule stays in its selector",
       themeWith({false, true, false, "000000", "c{}body{color:red"}, {}),
       ".c\\{\\}body\\{color\\:red {\r\n  font-style:italic;\r\n}\r\n"},
      {"the default colour is no colour; a lower-case one is one",
       themeWith({false, false, false, "000000", "c"}, {false, false, false, "00ff00", "k"}),
       ".c {\r\n}\r\n\r\n.k {\r\n  color:#00ff00;\r\n}\r\n"},
  };
  for (const Case& test : cases) EXPECT_EQ(styleSheetText(test.theme), test.sheet) << test.name;
}

TEST(StyleSheetText, OfTheStoreReadsBothModesKeys) {
  // In code mode, the Style key still names the classes.
  MemoryStore store = storeWith(true, "\"Color\"=\"008000\"\n" + NoFlags,
                                "\"Comment\"=\"cmt\"\n\"Sheet\"=\"s.css\"\n");
  EXPECT_EQ(storedStyleSheet(store), ".cmt {\r\n  color:#008000;\r\n}\r\n");
  MemoryStore broken = storeWith(true, "\"Color\"=\"008000\"\n" + NoFlags, "\"Number\"=dword:1\n");
  EXPECT_THROW(storedStyleSheet(broken), std::runtime_error);
}

TEST(ClassSelector, EscapesWhatCannotStandInASelector) {
  const std::pair<std::string, std::string> cases[] = {
      {"kw", ".kw"},
      {"a b\tc", ".a.b.c"},
      {"  ", ""},
      {"-", ".\\-"},
      {"-1x", ".-\\31 x"},
      {"9", ".\\39 "},
      {"a}b{c:d", ".a\\}b\\{c\\:d"},
      {"x;}body{color:red", ".x\\;\\}body\\{color\\:red"},
      {"</style>", ".\\<\\/style\\>"},
      {std::string("n\0l", 3), ".n\xEF\xBF\xBDl"},
      {"caf\xC3\xA9_-", ".caf\xC3\xA9_-"},
      {"a\x7F", ".a\\7f "},
  };
  for (const auto& [name, selector] : cases) EXPECT_EQ(classSelector(name), selector) << name;
}

TEST(InlineStyleTagSet, CarriesTheLooksAndTheirTabSize) {
  Theme theme = storedTheme();
  theme.TabSize = 5;
  theme[TokenClass::Comment] = {false, true, false, "008000", "ignored"};
  const TagSet tags = inlineStyleTagSet(theme);
  EXPECT_EQ(tags.CommentOpen, "<span style=\"color:#008000; font-style:italic\">");
  EXPECT_EQ(tags.CommentClose, "</span>");
  EXPECT_EQ(tags.NumberOpen, "");
  EXPECT_TRUE(tags.Incode);
  EXPECT_EQ(tags.TabSize, 5);
}

}  // namespace
