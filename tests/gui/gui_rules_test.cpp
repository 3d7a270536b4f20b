#include "gui/pane_text.h"
#include "gui/web_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(pane_text, lines_survive_the_pane_unchanged) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {""},
      {"", ""},
      {"a"},
      {"a", ""},
      {"begin", "  x := 1;", "end."},
      {std::string("nul\0byte", 8), "\xA0\xE9"},
      {std::string(1 << 20, 'x')},
  };
  for (const auto& lines : cases) EXPECT_EQ(splitPaneLines(joinPaneLines(lines)), lines);
}

TEST(pane_text, typed_text_breaks_at_lf_crlf_and_lone_cr) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(splitPaneLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitPaneLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(splitPaneLines("\r\r\n"), (Lines{"", ""}));
  // Unlike a file, a Ctrl+Z typed into a pane is just a character.
  EXPECT_EQ(splitPaneLines("a\x1A"
                           "b\n\x1A"),
            (Lines{"a\x1A"
                   "b",
                   "\x1A"}));
}

TEST(pane_text, utf8_check) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {std::string("a\0b", 3), true},
      {"\xEF\xBB\xBFunit", true},       // byte-order mark
      {"caf\xC3\xA9", true},            // é
      {"\xF0\x9F\x98\x80", true},       // U+1F600
      {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF
      {"caf\xE9", false},               // Windows-1252 é
      {"\xA0", false},                  // lone continuation
      {"\xC0\xAF", false},              // overlong
      {"\xE0\x80\xAF", false},          // overlong
      {"\xED\xA0\x80", false},          // surrogate
      {"\xF4\x90\x80\x80", false},      // above U+10FFFF
      {"\xC3", false},                  // cut short
      {"\xE2\x82", false},              // cut short
      {"\xF8\x88\x80\x80\x80", false},  // five bytes
  };
  for (const auto& [bytes, valid] : cases) EXPECT_EQ(isValidUtf8(bytes), valid) << bytes;
}

TEST(web_address, bare_addresses_get_https) {
  const std::pair<std::string, std::string> cases[] = {
      {"www.korvane.example/help/tessaline", "https://www.korvane.example/help/tessaline"},
      {"https://www.korvane.example", "https://www.korvane.example"},
      {"mailto:feedback@korvane.example", "mailto:feedback@korvane.example"},
      {"file:///tmp/TessalinePrev.html", "file:///tmp/TessalinePrev.html"},
      {"korvane.example/a:b", "https://korvane.example/a:b"},
      {":nothing", "https://:nothing"},
  };
  for (const auto& [address, full] : cases) EXPECT_EQ(addressWithScheme(address), full);
}

}  // namespace
