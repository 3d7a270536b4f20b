// Where a page's style-sheet link points on disk, and the writing of a sheet.

#include "output/style_sheet_file.h"

#include "files/file_error.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(RelativeStyleSheetPath, ReadsTheLinkAsABrowserDoes) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"delphi.css", "delphi.css"},
      {"css/pascal.css", "css/pascal.css"},
      {"../site.css", "../site.css"},
      {"  x.css \t", "x.css"},
      {"a\tb\r\n.css", "ab.css"},
      {"css\\win.css", "css/win.css"},
      {"my%20sheet.css?v=2#top", "my sheet.css"},
      {"100%.css", "100%.css"},
      {"a b:c.css", "a b:c.css"},
      // Addresses and paths from the root are no file beside the page.
      {"http://example.org/x.css", std::nullopt},
      {"file:///tmp/x.css", std::nullopt},
      {"C:\\web\\x.css", std::nullopt},
      {"/css/x.css", std::nullopt},
      {"//host/x.css", std::nullopt},
      {"\\\\host\\x.css", std::nullopt},
      // Nothing, the page itself, or a folder.
      {"", std::nullopt},
      {" ", std::nullopt},
      {"?v=1", std::nullopt},
      {"#x", std::nullopt},
      {"css/", std::nullopt},
      {"..", std::nullopt},
      {"css/.", std::nullopt},
  };
  for (const auto& [link, path] : cases) EXPECT_EQ(relativeStyleSheetPath(link), path) << link;
}

/// A path as this system spells it.
std::string native(const std::string& path) { return fs::path(path).lexically_normal().string(); }

TEST(LinkedStyleSheetPath, ResolvesAgainstThePagesFolder) {
  EXPECT_EQ(linkedStyleSheetPath("/web/unit1.html", "css/../delphi.css"),
            native("/web/delphi.css"));
  EXPECT_EQ(linkedStyleSheetPath("/web/a/unit1.html", "../s.css"), native("/web/s.css"));
  EXPECT_EQ(linkedStyleSheetPath("unit1.html", "s.css"), "s.css");
  EXPECT_EQ(linkedStyleSheetPath("/web/unit1.html", "https://x/s.css"), std::nullopt);
}

TEST(LiesInside, OnlyBelowTheFolder) {
  const std::tuple<std::string, std::string, bool> cases[] = {
      {"/out/s.css", "/out", true},     {"/out/a/s.css", "/out/", true},
      {"/out/../s.css", "/out", false}, {"/outside/s.css", "/out", false},
      {"/out", "/out", false},          {"out/s.css", "out", true},
  };
  for (const auto& [path, folder, inside] : cases)
    EXPECT_EQ(liesInside(path, folder), inside) << path << " in " << folder;
}

class WriteStyleSheetTest : public ::testing::Test {
 protected:
  TempFolder temp;
  const fs::path& folder = temp.path();
};

TEST_F(WriteStyleSheetTest, OnlyWhatSurelyIsNotThereIsMissing) {
  writeBytes(folder / "s.css", "x");
  std::vector<std::pair<fs::path, bool>> cases = {
      {folder / "new.css", true},
      {folder / "css" / "new.css", true},
      {folder / "s.css", false},
      {folder, false},
  };
  // A path that cannot be looked at counts as taken.
  if (fs::path::preferred_separator == '/') {
    fs::create_symlink("loop", folder / "loop");
    cases.emplace_back(folder / "loop", false);
  }
  for (const auto& [path, missing] : cases) EXPECT_EQ(isMissing(path.string()), missing) << path;
}

TEST_F(WriteStyleSheetTest, MakesTheMissingFoldersAndSaysWhich) {
  const fs::path sheet = folder / "css" / "deep" / "s.css";
  const std::vector<std::string> made = writeStyleSheet(sheet.string(), ".kw {\r\n}\r\n");
  EXPECT_EQ(readBytes(sheet), ".kw {\r\n}\r\n");
  EXPECT_EQ(made, (std::vector<std::string>{(folder / "css").string(),
                                            (folder / "css" / "deep").string()}));
  EXPECT_TRUE(writeStyleSheet(sheet.string(), "").empty());
  EXPECT_EQ(readBytes(sheet), "");
}

TEST_F(WriteStyleSheetTest, AnUnwritablePathNamesTheFileAndTheReasonAndWritesNothing) {
  writeBytes(folder / "file", "x");
  fs::create_directories(folder / "taken.css" / "inside");
  const std::pair<fs::path, std::string> cases[] = {
      {folder / "file" / "s.css", "Not a directory"},
      {folder / "file" / "css" / "s.css", "Not a directory"},
      {folder / "taken.css", "Is a directory"},
  };
  for (const auto& [sheet, reason] : cases) {
    try {
      writeStyleSheet(sheet.string(), ".a {\r\n}\r\n");
      ADD_FAILURE() << "no error for " << sheet;
    } catch (const FileError& error) {
      const std::string message = error.what();
      const std::string start = "Cannot write file '" + sheet.string() + "': ";
      EXPECT_EQ(message.substr(0, start.size()), start);
      // Windows words its reasons its own way.
      if (fs::path::preferred_separator == '/') {
        EXPECT_EQ(message, start + reason);
      }
    }
  }
  EXPECT_EQ(readBytes(folder / "file"), "x");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);
  EXPECT_TRUE(fs::is_directory(folder / "taken.css" / "inside"));
}

}  // namespace
