#include "app/help_page.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct PlaceCase {
  const char* what;
  /// The program's folder, below a fresh folder.
  std::string program;
  /// Files made below the fresh folder; a name ending in "/" is a folder.
  std::vector<std::string> made;
  /// The page found, below the fresh folder; empty when none is.
  std::string found;
};

TEST(help_page, found_beside_the_program_then_in_the_data_folders) {
  const PlaceCase cases[] = {
      {"installed", "usr/bin", {"usr/share/tessaline/help.html"}, "usr/share/tessaline/help.html"},
      {"build tree",
       "build/bin",
       {"build/share/tessaline/help.html"},
       "build/share/tessaline/help.html"},
      {"only in a data folder",
       "usr/bin",
       {"data/tessaline/help.html"},
       "data/tessaline/help.html"},
      {"only in the user's data folder",
       "usr/bin",
       {"home/tessaline/help.html"},
       "home/tessaline/help.html"},
      {"beside the program first",
       "usr/bin",
       {"usr/share/tessaline/help.html", "data/tessaline/help.html"},
       "usr/share/tessaline/help.html"},
      {"a folder is no page", "usr/bin", {"usr/share/tessaline/help.html/"}, ""},
      {"nowhere", "usr/bin", {}, ""},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder folder;
    fs::create_directories(folder.path() / c.program);
    for (const std::string& name : c.made) {
      if (name.ends_with('/'))
        fs::create_directories(folder.path() / name);
      else
        writeBytes(folder.path() / name, "<html></html>");
    }
    setenv("XDG_DATA_DIRS", folder.file("data").c_str(), 1);
    setenv("XDG_DATA_HOME", folder.file("home").c_str(), 1);
    const std::string found =
        findHelpPage(QString::fromStdString(folder.file(c.program))).toStdString();
    EXPECT_EQ(found, c.found.empty() ? std::string() : folder.file(c.found));
  }
}

TEST(help_page, the_build_puts_it_where_the_program_finds_it) {
  EXPECT_EQ(findHelpPage(TESSALINE_BIN_DIR).toStdString(),
            fs::path(TESSALINE_HELP_PAGE).lexically_normal().string());
}

/// The second-level headings of the README's parts between "help begin" and
/// "help end", and those outside them.
std::pair<std::vector<std::string>, std::vector<std::string>> readmeHeadings() {
  std::istringstream readme(readBytes(TESSALINE_README));
  std::vector<std::string> inside, outside;
  bool inHelp = false;
  for (std::string line; std::getline(readme, line);) {
    if (line == "<!-- help begin -->") inHelp = true;
    if (line == "<!-- help end -->") inHelp = false;
    if (line.starts_with("## ")) (inHelp ? inside : outside).push_back(line.substr(3));
  }
  return {inside, outside};
}

TEST(help_page, holds_the_readmes_user_part_and_links_to_the_web) {
  const std::string page = readBytes(TESSALINE_HELP_PAGE);
  ASSERT_TRUE(page.starts_with("<!DOCTYPE html>")) << page.substr(0, 100);
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(page.find("<h1>Tessaline</h1>"), std::string::npos);
  const auto [inside, outside] = readmeHeadings();
  EXPECT_EQ(inside, (std::vector<std::string>{"Commands", "Settings", "Command-line converter"}));
  for (const std::string& heading : inside)
    EXPECT_NE(page.find("<h2>" + heading + "</h2>"), std::string::npos) << heading;
  ASSERT_FALSE(outside.empty());
  for (const std::string& heading : outside)
    EXPECT_EQ(page.find(heading + "</h2>"), std::string::npos) << heading;
  EXPECT_NE(page.find("<table>"), std::string::npos) << "the commands as a table";
  // The link to the web's help is the address F1 opens when no page is installed.
  const std::string web = "https://" + helpAddress(QString()).toStdString();
  EXPECT_NE(page.find("<a href=\"" + web + "\">"), std::string::npos) << web;
}

}  // namespace
