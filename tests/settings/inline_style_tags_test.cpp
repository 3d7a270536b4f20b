#include "settings/inline_style_tags.h"
#include "store_text.h"

#include <gtest/gtest.h>

namespace {

const std::string CommentItalic = "<span style=\"color:#000080; font-style:italic\">";
const std::string Navy = "<span style=\"color:#000080\">";
const std::string Bold = "<span style=\"font-weight:bold\">";

/// The four open texts, in the order Comment, Number, Reserved, Strings.
std::vector<std::string> openTexts(const TagSet& tags) {
  return {tags.CommentOpen, tags.NumberOpen, tags.ReservedOpen, tags.StringsOpen};
}

TEST(InlineStyleTags, EmptyStoreGivesTheClassicSchemeAsSpans) {
  MemoryStore empty;
  const TagSet tags = GetInlineStyleTags(empty);
  EXPECT_EQ(openTexts(tags), (std::vector<std::string>{CommentItalic, Navy, Bold, Navy}));
  for (const auto* close :
       {&tags.CommentClose, &tags.NumberClose, &tags.ReservedClose, &tags.StringsClose}) {
    EXPECT_EQ(*close, "</span>");
  }
  EXPECT_EQ(tags.TabSize, 2);
}

TEST(InlineStyleTags, StyleSheetModeStillUsesTheInCodeAttributes) {
  auto store =
      storeFrom("REGEDIT4\n" + Settings +
                "]\n\"Incode\"=dword:0\n\"TabSize\"=dword:5\n\"DefaultColor\"=\"000000\"\n" +
                Settings + "\\Style]\n\"Comment\"=\"cmt\"\n" + Settings +
                "\\InCode\\Comment]\n\"Color\"=\"008000\"\n\"Bold\"=dword:0\n"
                "\"Italic\"=dword:1\n\"Underlined\"=dword:1\n");
  const TagSet tags = GetInlineStyleTags(store);
  EXPECT_EQ(tags.CommentOpen,
            "<span style=\"color:#008000; font-style:italic; text-decoration:underline\">");
  // A class without a key of its own gets no markup once the Settings key is there.
  EXPECT_EQ(openTexts(tags), (std::vector<std::string>{tags.CommentOpen, "", "", ""}));
  EXPECT_EQ(tags.NumberClose, "");
  EXPECT_EQ(tags.TabSize, 5);
}

TEST(InlineStyleTags, ClassKeyWithoutSettingsKeyReplacesItsClassicClass) {
  auto store = storeFrom("REGEDIT4\n" + Settings +
                         "\\InCode\\Reserved]\n\"Color\"=\"FF0000\"\n\"Bold\"=dword:0\n"
                         "\"Italic\"=dword:0\n\"Underlined\"=dword:0\n");
  EXPECT_EQ(
      openTexts(GetInlineStyleTags(store)),
      (std::vector<std::string>{CommentItalic, Navy, "<span style=\"color:#FF0000\">", Navy}));
}

/// The message GetInlineStyleTags raises on a store of this REGEDIT4 text.
std::string errorOf(const std::string& regedit4Body) {
  auto store = storeFrom("REGEDIT4\n" + regedit4Body);
  try {
    GetInlineStyleTags(store);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

TEST(InlineStyleTags, ReadErrorsGoToTheCaller) {
  EXPECT_EQ(errorOf(Settings + "]\n\"Incode\"=dword:1\n\"DefaultColor\"=\"000000\"\n"),
            "Failed to get data for 'TabSize'");
  EXPECT_EQ(errorOf(Settings + "\\InCode\\Number]\n\"Color\"=\"000080\"\n\"Bold\"=\"1\"\n"),
            "Invalid data type for 'Bold'");
}

struct StyleCase {
  const char* what;
  ClassAttributes attributes;
  std::string defaultColor;
  std::string style;
};

void PrintTo(const StyleCase& param, std::ostream* out) { *out << param.what; }

class InlineStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(InlineStyles, SayWhatTheClassLooksLike) {
  EXPECT_EQ(inlineStyle(GetParam().attributes, GetParam().defaultColor), GetParam().style);
}

INSTANTIATE_TEST_SUITE_P(
    InlineStyleTags, InlineStyles,
    testing::Values(
        StyleCase{"AllInOrder",
                  {true, true, true, "800000", ""},
                  "000000",
                  "color:#800000; font-weight:bold; font-style:italic; text-decoration:underline"},
        StyleCase{"DefaultColourLeftOut",
                  {false, true, false, "0000FF", ""},
                  "0000FF",
                  "font-style:italic"},
        StyleCase{"ColourComparedWithCase",
                  {false, false, false, "0000ff", ""},
                  "0000FF",
                  "color:#0000ff"},
        StyleCase{"EmptyDefaultColour", {false, false, false, "000080", ""}, "", "color:#000080"},
        StyleCase{"NothingToSay", {false, false, false, "000000", ""}, "000000", ""},
        StyleCase{"EmptyColourLeftOut", {true, false, false, "", ""}, "000000", "font-weight:bold"},
        StyleCase{"ColourThatIsNoColourLeftOut",
                  {false, false, true, "0;x:\"", ""},
                  "000000",
                  "text-decoration:underline"}),
    [](const auto& test) { return std::string(test.param.what); });

}  // namespace
