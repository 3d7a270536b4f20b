// The pages, style sheets and fragments of tessaline-convert as a real
// browser takes them: the classes' looks as the settings say, and a
// selection of the whole page that is the source's lines exactly, line
// numbers or not.

#include "cli_run.h"
#include "engine/escaped_text.h"
#include "engine/source_lines.h"
#include "headless_chromium.h"
#include "settings/get_tags.h"
#include "settings/reg_file_store.h"

#include <gtest/gtest.h>

#include <set>

namespace fs = std::filesystem;

namespace {

// Comments over lines of both kinds, markup characters, an empty line and a
// tab: what a browser must not turn into anything else.
const std::string SourceBytes =
    "unit Shapes;\r\n"
    "{ a brace comment\r\n"
    "  over two lines }\r\n"
    "(* a paren comment\r\n"
    "   that ends here *) const S = 'a<b & c'; N = 42;\r\n"
    "\r\n"
    "\tbegin x := 7 end.\r\n";

/// The words the probe looks at, and how each must look in both modes with
/// the golden settings: green italic comments, maroon numbers, bold reserved
/// words, blue bold italic underlined strings.
const std::pair<std::string, std::string> Looks[] = {
    {"brace", "rgb(0, 128, 0) 400 italic 0"},     {"over two", "rgb(0, 128, 0) 400 italic 0"},
    {"that ends", "rgb(0, 128, 0) 400 italic 0"}, {"42", "rgb(128, 0, 0) 400 normal 0"},
    {"unit", "rgb(0, 0, 0) 700 normal 0"},        {"a<b & c", "rgb(0, 0, 255) 700 italic 1"},
};

/// The source's lines as a browser shows them, tabs expanded.
std::string shownText(const std::string& regFile) {
  RegFileStore store(regFile);
  TagSet tags;
  GetTags(store, tags);
  std::string text;
  for (const std::string& line : splitSourceLines(SourceBytes)) {
    if (!text.empty()) text += '\n';
    for (const char c : line)
      text += c == '\t' ? std::string(spacesPerTab(tags.TabSize), ' ') : std::string(1, c);
  }
  return text;
}

TEST(PageInBrowser, ShowsTheLooksAndCopiesTheSourceExactly) {
  const std::string inCode = std::string(GOLDEN_DIR) + "/incode.reg";
  const std::string sheet = std::string(GOLDEN_DIR) + "/sheet.reg";
  struct Case {
    const char* name;
    std::string settings;
    std::vector<std::string> args;
    std::string page;
    bool numbered;
  };
  const Case cases[] = {
      {"in code, numbered",
       inCode,
       {"--line-numbers", "--line-numbers", "-o", "page.html", "shapes.pas"},
       "page.html",
       true},
      {"style sheet written by the batch, numbered",
       sheet,
       {"--line-numbers", "-d", "out", "shapes.pas"},
       "out/shapes.pas.html",
       true},
      {"style sheet written by --style-sheet",
       sheet,
       {"--style-sheet", "css/pascal.css", "-o", "page.html", "shapes.pas"},
       "page.html",
       false},
      {"fragment", sheet, {"--fragment", "-o", "page.html", "shapes.pas"}, "page.html", false},
  };
  std::vector<std::string> words;
  for (const auto& [word, look] : Looks) words.push_back(word);
  const std::size_t lineCount = splitSourceLines(SourceBytes).size();
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    CliSandbox box;
    box.write("shapes.pas", SourceBytes);
    std::vector<std::string> args = {"--settings", test.settings};
    args.insert(args.end(), test.args.begin(), test.args.end());
    const CliRun run = box.run(args);
    ASSERT_EQ(run.status, 0) << run.err;

    const PageProbe probe = probePage(box.folder() / test.page, words);
    EXPECT_EQ(probe.selection, shownText(test.settings));
    for (const auto& [word, look] : Looks) EXPECT_EQ(probe.looks.at(word), look) << word;
    if (!test.numbered) {
      EXPECT_TRUE(probe.numbers.empty());
      continue;
    }
    // One number a line, right-aligned in one column, muted and plain
    // inside a comment's italics too.
    ASSERT_EQ(probe.numbers.size(), lineCount);
    std::set<std::string> rights;
    for (const std::string& number : probe.numbers) {
      const auto space = number.find(' ');
      rights.insert(number.substr(0, space));
      EXPECT_NE(number.substr(space + 1, 2), "0 ") << number;
      EXPECT_EQ(number.substr(number.find(' ', space + 1) + 1),
                "rgb(128, 128, 128) 400 normal counter(tessaline-line)");
    }
    EXPECT_EQ(rights.size(), 1u);
  }
}

}  // namespace
