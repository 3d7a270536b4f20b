#include "engine/source_lines.h"
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
  for (const auto& lines : cases) EXPECT_EQ(splitLines(joinPaneLines(lines)), lines);
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
