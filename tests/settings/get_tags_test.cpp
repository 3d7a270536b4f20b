#include "settings/get_tags.h"
#include "settings/inline_style_tags.h"
#include "settings/reg_file_format.h"
#include "settings/settings_io.h"
#include "settings/style_sheet_text.h"
#include "store_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string settingsBlock(bool incode, const std::string& defaultColor) {
  return Settings + "]\n\"Incode\"=dword:" + (incode ? "1" : "0") +
         "\n\"TabSize\"=dword:4\n\"DefaultColor\"=\"" + defaultColor + "\"\n";
}

/// A tag set whose every field holds a mark, to see what GetTags keeps.
TagSet markedTags() {
  TagSet tags;
  for (auto* text : {&tags.ReservedOpen, &tags.ReservedClose, &tags.CommentOpen, &tags.CommentClose,
                     &tags.NumberOpen, &tags.NumberClose, &tags.StringsOpen, &tags.StringsClose}) {
    *text = "old";
  }
  tags.StyleSheet = "old.css";
  tags.DefaultColor = "old";
  tags.TabSize = 9;
  return tags;
}

TEST(GetTags, NoSettingsKeyGivesTheBuiltInSetWithoutError) {
  // An empty store, and one whose Settings key has no block of its own.
  for (const std::string& text :
       {std::string("REGEDIT4\n"), "REGEDIT4\n" + Settings + "\\Style]\n\"Comment\"=\"c\"\n"}) {
    auto store = storeFrom(text);
    auto tags = markedTags();
    GetTags(store, tags);
    const std::string navy = "<font color=\"000080\">";
    const TagSet builtIn{"<b>", "</b>",    navy + "<i>", "</i></font>", navy, "</font>",
                         navy,  "</font>", "old.css",    "old",         true, 2};
    EXPECT_EQ(tags, builtIn);
  }
}

TEST(GetTags, BuiltInSetIsWhatTheFirstRunDefaultsBuild) {
  MemoryStore empty;
  TagSet builtIn;
  GetTags(empty, builtIn);

  MemoryStore store;
  HeldSettings held;
  DialogSettingsState state;
  applyFirstRunDefaults(held, state);
  WriteToRegistry(store, held, state);
  TagSet stored;
  GetTags(store, stored);
  stored.DefaultColor.clear();
  EXPECT_EQ(stored, builtIn);
}

struct InCodeCase {
  const char* what;
  std::string defaultColor;
  std::string classValues;
  std::string open;
  std::string close;
};

void PrintTo(const InCodeCase& param, std::ostream* out) { *out << param.what; }

class InCodePieces : public testing::TestWithParam<InCodeCase> {};

TEST_P(InCodePieces, WrapTheClassInOrder) {
  const auto& param = GetParam();
  auto store = storeFrom("REGEDIT4\n" + settingsBlock(true, param.defaultColor) + Settings +
                         "\\InCode\\Number]\n" + param.classValues);
  auto tags = markedTags();
  GetTags(store, tags);
  EXPECT_EQ(tags.NumberOpen, param.open);
  EXPECT_EQ(tags.NumberClose, param.close);
  EXPECT_EQ(tags.CommentOpen, "");
  EXPECT_EQ(tags.ReservedClose, "");
  EXPECT_EQ(tags.TabSize, 4);
  EXPECT_EQ(tags.StyleSheet, "old.css");
}

const std::string NoAttributes = "\"Bold\"=dword:0\n\"Italic\"=dword:0\n\"Underlined\"=dword:0\n";

INSTANTIATE_TEST_SUITE_P(
    GetTags, InCodePieces,
    testing::Values(InCodeCase{"DefaultColourGetsNoPiece", "0000FF",
                               "\"Color\"=\"0000FF\"\n" + NoAttributes, "", ""},
                    InCodeCase{"ColourComparedWithCase", "0000FF",
                               "\"Color\"=\"0000ff\"\n" + NoAttributes, "<font color=\"0000ff\">",
                               "</font>"},
                    InCodeCase{"AllAttributes", "000000",
                               "\"Color\"=\"800000\"\n\"Bold\"=dword:1\n\"Italic\"=dword:1\n"
                               "\"Underlined\"=dword:5\n",
                               "<font color=\"800000\"><b><i><u>", "</u></i></b></font>"},
                    InCodeCase{"SomeAttributesKeepTheirOrder", "000000",
                               "\"Color\"=\"000000\"\n\"Bold\"=dword:1\n\"Italic\"=dword:0\n"
                               "\"Underlined\"=dword:1\n",
                               "<b><u>", "</u></b>"},
                    InCodeCase{"AbsentColourDiffersFromADefault", "000000", NoAttributes,
                               "<font color=\"\">", "</font>"},
                    InCodeCase{"EmptyDefaultColour", "", "\"Color\"=\"000080\"\n" + NoAttributes,
                               "<font color=\"000080\">", "</font>"},
                    InCodeCase{"ExpandTextColour", "000000",
                               "\"Color\"=hex(2):41,42,00,43\n" + NoAttributes,
                               "<font color=\"AB\">", "</font>"},
                    InCodeCase{"ColourIsAttributeEscaped", "000000",
                               "\"Color\"=\"\\\"><script>&\"\n" + NoAttributes,
                               "<font color=\"&quot;&gt;&lt;script&gt;&amp;\">", "</font>"},
                    InCodeCase{"UnescapedTextsAreCompared", "a\\\"&",
                               "\"Color\"=\"a\\\"&\"\n" + NoAttributes, "", ""}),
    [](const auto& test) { return std::string(test.param.what); });

TEST(GetTags, StyleSheetModeGivesSpansAndTheSheet) {
  auto store = storeFrom("REGEDIT4\n" + settingsBlock(false, "000000") + Settings +
                         "\\Style]\n\"Comment\"=\"cmt\"\n\"Number\"=\"a&b\"\n\"Reserved\"=\"kw\"\n"
                         "\"Sheet\"=\"site.css\"\n");
  auto tags = markedTags();
  GetTags(store, tags);
  EXPECT_FALSE(tags.Incode);
  EXPECT_EQ(tags.CommentOpen, "<span class=\"cmt\">");
  EXPECT_EQ(tags.CommentClose, "</span>");
  EXPECT_EQ(tags.NumberOpen, "<span class=\"a&amp;b\">");
  EXPECT_EQ(tags.ReservedOpen, "<span class=\"kw\">");
  EXPECT_EQ(tags.StringsOpen, "<span class=\"\">");
  EXPECT_EQ(tags.StringsClose, "</span>");
  EXPECT_EQ(tags.StyleSheet, "site.css");
  EXPECT_EQ(tags.DefaultColor, "000000");
}

TEST(GetTags, StyleSheetModeWithoutStyleKeyGivesNoMarkup) {
  auto store = storeFrom("REGEDIT4\n" + settingsBlock(false, "000000"));
  auto tags = markedTags();
  GetTags(store, tags);
  for (const auto* text :
       {&tags.ReservedOpen, &tags.ReservedClose, &tags.CommentOpen, &tags.CommentClose,
        &tags.NumberOpen, &tags.NumberClose, &tags.StringsOpen, &tags.StringsClose}) {
    EXPECT_EQ(*text, "");
  }
  EXPECT_EQ(tags.StyleSheet, "old.css");
}

TEST(GetTags, TwoCallsGiveTheSameSetAndModesSwitchCleanly) {
  const std::string style = Settings + "\\Style]\n\"Comment\"=\"c\"\n\"Sheet\"=\"s.css\"\n";
  const std::string comment =
      Settings + "\\InCode\\Comment]\n\"Color\"=\"00FF00\"\n" + NoAttributes;
  auto inCode = storeFrom("REGEDIT4\n" + settingsBlock(true, "000000") + style + comment);
  auto styleSheets = storeFrom("REGEDIT4\n" + settingsBlock(false, "000000") + style + comment);

  TagSet tags;
  GetTags(styleSheets, tags);
  const auto first = tags;
  GetTags(styleSheets, tags);
  EXPECT_EQ(tags, first);
  GetTags(inCode, tags);
  EXPECT_EQ(tags.CommentOpen, "<font color=\"00FF00\">");
  EXPECT_EQ(tags.StyleSheet, "s.css");
  GetTags(inCode, tags);
  EXPECT_EQ(tags.CommentOpen, "<font color=\"00FF00\">");
  GetTags(styleSheets, tags);
  EXPECT_EQ(tags, first);
}

TEST(GetTags, ClassKeyWithoutSettingsKeyAddsToTheBuiltInSet) {
  auto store = storeFrom("REGEDIT4\n" + Settings + "\\InCode\\Reserved]\n\"Color\"=\"FF0000\"\n" +
                         NoAttributes);
  auto tags = markedTags();
  GetTags(store, tags);
  EXPECT_EQ(tags.ReservedOpen, "<b><font color=\"FF0000\">");
  EXPECT_EQ(tags.ReservedClose, "</font></b>");
}

struct StoppedCall {
  const char* what;
  std::string text;
  std::string message;
  std::string commentOpen;
  std::string numberOpen;
};

void PrintTo(const StoppedCall& param, std::ostream* out) { *out << param.what; }

class StoppedCalls : public testing::TestWithParam<StoppedCall> {};

TEST_P(StoppedCalls, StopWhereTheErrorArose) {
  auto store = storeFrom("REGEDIT4\n" + GetParam().text);
  auto tags = markedTags();
  try {
    GetTags(store, tags);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
  EXPECT_EQ(tags.CommentOpen, GetParam().commentOpen);
  EXPECT_EQ(tags.NumberOpen, GetParam().numberOpen);
}

INSTANTIATE_TEST_SUITE_P(
    GetTags, StoppedCalls,
    testing::Values(StoppedCall{"IncodeMissing", Settings + "]\n\"TabSize\"=dword:2\n",
                                "Failed to get data for 'Incode'", "", ""},
                    StoppedCall{"TabSizeAsText",
                                Settings + "]\n\"Incode\"=dword:1\n\"TabSize\"=\"2\"\n",
                                "Invalid data type for 'TabSize'", "", ""},
                    StoppedCall{"BoldAsText",
                                settingsBlock(true, "000000") + Settings +
                                    "\\InCode\\Comment]\n\"Color\"=\"00FF00\"\n" + NoAttributes +
                                    Settings +
                                    "\\InCode\\Number]\n\"Color\"=\"0000FF\"\n\"Bold\"=\"1\"\n",
                                "Invalid data type for 'Bold'", "<font color=\"00FF00\">",
                                "<font color=\"0000FF\">"},
                    StoppedCall{"StyleClassAsDword",
                                settingsBlock(false, "") + Settings +
                                    "\\Style]\n\"Comment\"=\"c\"\n\"Number\"=dword:1\n",
                                "Invalid data type for 'Number'", "<span class=\"c\">", ""}),
    [](const auto& test) { return std::string(test.param.what); });

/// A store that counts how often it reads its backing.
class CountingStore : public MemoryStore {
 public:
  using MemoryStore::MemoryStore;
  int loads = 0;

 protected:
  RegKeyTree loadTree() override {
    ++loads;
    return MemoryStore::loadTree();
  }
};

TEST(ReadGroups, EachSequenceReadsTheStoreOnceForAllItsKeys) {
  const std::string text = "REGEDIT4\n" + settingsBlock(true, "000000") + Settings +
                           "\\InCode\\Comment]\n\"Color\"=\"FF0000\"\n\"Bold\"=dword:1\n"
                           "\"Italic\"=dword:0\n\"Underlined\"=dword:0\n" +
                           Settings + "\\Style]\n\"Comment\"=\"c\"\n";
  const std::pair<const char*, std::function<void(SettingsStore&)>> sequences[] = {
      {"GetTags",
       [](SettingsStore& store) {
         TagSet tags;
         GetTags(store, tags);
       }},
      {"LoadFromRegistry",
       [](SettingsStore& store) {
         HeldSettings held;
         DialogSettingsState state;
         LoadFromRegistry(store, held, state);
       }},
      {"GetInlineStyleTags", [](SettingsStore& store) { GetInlineStyleTags(store); }},
      {"storedStyleSheet", [](SettingsStore& store) { storedStyleSheet(store); }},
  };
  for (const auto& [name, sequence] : sequences) {
    CountingStore store(parseRegFile(text));
    sequence(store);
    EXPECT_EQ(store.loads, 1) << name;
    // Outside a group, every open reads afresh again.
    ASSERT_TRUE(OpenedKey(store, SettingsKey));
    EXPECT_EQ(store.loads, 2) << name;
  }
}

}  // namespace
