#include "output/file_name_rules.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct ExtensionCase {
  std::string name;
  int filter;
  std::string saved;
};

TEST(FileNameRulesTest, ExtensionRule) {
  const ExtensionCase cases[] = {
      {"/web/unit1", HtmlFilter, "/web/unit1.html"},
      {"/web/unit1", HtmFilter, "/web/unit1.htm"},
      {"/web/unit1", ShtmlFilter, "/web/unit1.shtml"},
      {"/web/page", AllFilesFilter, "/web/page"},
      {"page.htm", HtmlFilter, "page.htm"},
      {"page.shtml", HtmFilter, "page.shtml"},
      {"page.html", ShtmlFilter, "page.html"},
      {"PAGE.HTML", HtmlFilter, "PAGE.HTML.html"},
      {"page.Htm", HtmFilter, "page.Htm.htm"},
      {"/old.html/a.html", HtmlFilter, "/old.html/a.html"},
      {"/old.html/a", HtmlFilter, "/old.html/a.html"},
      {"unit1.pas", HtmlFilter, "unit1.pas.html"},
      {"page.xhtml", HtmFilter, "page.xhtml.htm"},
      {"html", HtmlFilter, "html.html"},
      {".html", AllFilesFilter, ".html"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(applyExtensionRule(c.name, c.filter), c.saved) << c.name << " filter " << c.filter;
}

TEST(FileNameRulesTest, FileNamePartIsWhatFollowsTheLastSlash) {
  // Only Windows takes a backslash between folders.
  const bool onWindows = std::filesystem::path::preferred_separator == '\\';
  const std::pair<std::string, std::string> cases[] = {
      {"/web/unit1", "unit1"},
      {"unit1.pas", "unit1.pas"},
      {"/web/", ""},
      {"", ""},
      {"C:\\web\\unit1", onWindows ? "unit1" : "C:\\web\\unit1"},
      {"/a/b:c\\d", onWindows ? "d" : "b:c\\d"},
  };
  for (const auto& [path, part] : cases) EXPECT_EQ(fileNamePart(path), part) << path;
}

TEST(FileNameRulesTest, HtmlTitleEscapesWhatBreaksAPage) {
  EXPECT_EQ(htmlTitle("unit1.pas"), "unit1.pas");
  EXPECT_EQ(htmlTitle("a&b<c>"), "a&amp;b&lt;c&gt;");
  EXPECT_EQ(htmlTitle("say \"hi\" 'x'"), "say \"hi\" 'x'");
  EXPECT_EQ(htmlTitle("&amp;"), "&amp;amp;");
}

TEST(FileNameRulesTest, LineBreaksInATitleBecomeCharacterReferences) {
  const std::pair<std::string, std::string> cases[] = {
      {"two\nlines.pas", "two&#10;lines.pas"},
      {"old\rmac.pas", "old&#13;mac.pas"},
      {"\r\n<&>\n", "&#13;&#10;&lt;&amp;&gt;&#10;"},
      {"no break.pas", "no break.pas"},
  };
  for (const auto& [name, title] : cases) EXPECT_EQ(htmlTitle(name), title) << name;
}

}  // namespace
