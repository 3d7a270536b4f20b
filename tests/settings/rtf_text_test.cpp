// The RTF of a formatted copy: what each token becomes, the colour table
// behind it, and the characters RTF cannot hold as they stand.

#include "settings/rtf_text.h"

#include <gtest/gtest.h>

namespace {

const std::string Head =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset0 "
    "Courier New;}}";
const std::string BodyStart = "\r\n\\pard\\plain\\f0\\fs20 ";

/// Every class stored, plain, with the default colour black and tab size 2.
Theme plainTheme() {
  Theme theme;
  theme.InCodeStored = {true, true, true, true};
  theme.DefaultColor = "000000";
  theme.TabSize = 2;
  for (ClassAttributes& look : theme.Classes) look.Color = "000000";
  return theme;
}

Theme withLook(TokenClass tokenClass, ClassAttributes look) {
  Theme theme = plainTheme();
  theme[tokenClass] = look;
  return theme;
}

TEST(RtfText, RendersEachTokenInItsLook) {
  Theme classic;
  classic.Classic = true;
  classic.TabSize = 2;
  Theme twoGreens = plainTheme();
  twoGreens[TokenClass::Comment].Color = "008000";
  twoGreens[TokenClass::Strings].Color = "008000";
  twoGreens[TokenClass::Number].Color = "0000ff";
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    Theme theme;
    CodePage page;
    std::string colourTable, body;
  };
  const Case cases[] = {
      {"the classic looks",
       {"begin x := 'a'; { c } end."},
       classic,
       CodePage::Utf8,
       "{\\colortbl;\\red0\\green0\\blue128;}",
       "{\\b begin} x := {\\cf1 'a'}; {\\cf1\\i \\{ c \\}} {\\b end}."},
      {"one entry per colour, in class order, whatever its letter case",
       {"{c} 12 'q'"},
       twoGreens,
       CodePage::Utf8,
       "{\\colortbl;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}",
       "{\\cf1 \\{c\\}} {\\cf2 12} {\\cf1 'q'}"},
      {"every attribute; no colour that is the default or not a colour",
       {"begin 7"},
       [] {
         Theme theme = withLook(TokenClass::Reserved, {true, true, true, "000000", ""});
         theme[TokenClass::Number].Color = "navy";
         return theme;
       }(),
       CodePage::Utf8,
       "{\\colortbl;}",
       "{\\b\\i\\ul begin} 7"},
      {"a comment over lines closes its group on each",
       {"(* one", "two *) end"},
       withLook(TokenClass::Comment, {false, true, false, "000000", ""}),
       CodePage::Utf8,
       "{\\colortbl;}",
       "{\\i (* one}\\par\r\n{\\i two *)} end"},
      {"tabs as the page expands them, control bytes escaped",
       {"\tx\x01\\"},
       plainTheme(),
       CodePage::Utf8,
       "{\\colortbl;}",
       "  x\\'01\\\\"},
      {"UTF-8 beyond ASCII, with a pair beyond 16 bits",
       {"'caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80'"},
       plainTheme(),
       CodePage::Utf8,
       "{\\colortbl;}",
       "'caf\\u233? \\u8364? \\u-10179?\\u-8704?'"},
      {"Windows-1252 bytes as their characters",
       {"{ caf\xE9 \x80 \x93 }"},
       plainTheme(),
       CodePage::Windows1252,
       "{\\colortbl;}",
       "\\{ caf\\u233? \\u8364? \\u8220? \\}"},
      {"no lines", {}, plainTheme(), CodePage::Utf8, "{\\colortbl;}", ""},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(rtfText(test.lines, test.theme, test.page),
              Head + test.colourTable + BodyStart + test.body + "}")
        << test.name;
  }
}

TEST(RtfText, IsAsciiWhateverTheSource) {
  std::string everyByte;
  for (int byte = 1; byte < 256; ++byte) everyByte += static_cast<char>(byte);
  for (const CodePage page : {CodePage::Utf8, CodePage::Windows1252}) {
    for (const char c : rtfText({everyByte}, plainTheme(), page))
      EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  }
}

}  // namespace
