#include "output/page_writer.h"

#include "files/atomic_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

TagSet inCode() {
  TagSet tags;
  tags.Incode = true;
  tags.StyleSheet = "ignored.css";
  return tags;
}

TagSet styleSheet(const std::string& sheet) {
  TagSet tags;
  tags.Incode = false;
  tags.StyleSheet = sheet;
  return tags;
}

std::string headWithLink(const std::string& linkRow) {
  return "<html>\r\n<head>\r\n  <title>unit1.pas</title>\r\n" + linkRow +
         "</head>\r\n\r\n\r\n"
         "<!-- FORMATTED BY TESSALINE V1.0 -->\r\n"
         "<!-- Download for free at www.korvane.example -->\r\n\r\n\r\n"
         "<body>\r\n<pre>\r\n";
}

const std::string tail = "</pre>\r\n</body>\r\n</html>\r\n";

TEST(PageWriterTest, InCodePageHasNoLinkRow) {
  EXPECT_EQ(pageText("unit1.pas", inCode(), {"<b>begin</b>", "", "end."}),
            headWithLink("") + "<b>begin</b>\r\n\r\nend.\r\n" + tail);
}

TEST(PageWriterTest, StyleSheetPageLinksTheSheet) {
  EXPECT_EQ(
      pageText("unit1.pas", styleSheet("/css/pas.css"), {"x"}),
      headWithLink("  <link rel=\"stylesheet\" href=\"/css/pas.css\" type=\"text/css\">\r\n") +
          "x\r\n" + tail);
}

TEST(PageWriterTest, StyleSheetPageWithoutSheetHasAnEmptyHref) {
  EXPECT_EQ(pageText("unit1.pas", styleSheet(""), {}),
            headWithLink("  <link rel=\"stylesheet\" href=\"\" type=\"text/css\">\r\n") + tail);
}

/// The page's text with every occurrence of what removed.
std::string without(std::string text, const std::string& what) {
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at))
    text.erase(at, what.size());
  return text;
}

TEST(PageWriterTest, LineNumbersAddTheirStyleAndAMarkBeforeEveryLine) {
  const std::string mark(LineNumberMark);
  const std::pair<std::size_t, std::string> widths[] = {
      {0, "1ch"}, {1, "1ch"}, {9, "1ch"}, {10, "2ch"}, {99, "2ch"}, {100, "3ch"}, {12345, "5ch"}};
  for (const auto& [count, width] : widths) {
    const std::vector<std::string> lines(count, "<i>{ x</i>");
    for (const TagSet& tags : {inCode(), styleSheet("s.css")}) {
      const std::string numbered = pageText("unit1.pas", tags, lines, true);
      const std::string style =
          "  <style type=\"text/css\">\r\n"
          "    pre { counter-reset: tessaline-line; }\r\n"
          "    span.tessaline-line {\r\n"
          "      display: inline-block; width: " +
          width +
          "; margin-right: 1ch; text-align: right;\r\n"
          "      color: #808080; font-style: normal; font-weight: normal;\r\n"
          "      counter-increment: tessaline-line;\r\n"
          "    }\r\n"
          "    span.tessaline-line::before { content: counter(tessaline-line); }\r\n"
          "  </style>\r\n";
      EXPECT_NE(numbered.find(style + "</head>\r\n"), std::string::npos) << count;
      EXPECT_EQ(without(without(numbered, style), mark), pageText("unit1.pas", tags, lines));
      std::size_t marks = 0;
      for (auto at = numbered.find("\r\n" + mark); at != std::string::npos;
           at = numbered.find("\r\n" + mark, at + 1))
        ++marks;
      EXPECT_EQ(marks, count);
    }
  }
}

TEST(PageWriterTest, StreamedLinesTakeTheirPrefixFromTheWriter) {
  for (const bool numbered : {false, true}) {
    std::ostringstream out;
    PageWriter writer(out, inCode(), {numbered, 2});
    writer.writeHead("t");
    writer.writeLines(std::string(writer.linePrefix()) + "a\r\n" +
                      std::string(writer.linePrefix()) + "b\r\n");
    writer.writeTail();
    EXPECT_EQ(out.str(), pageText("t", inCode(), {"a", "b"}, numbered));
  }
}

TEST(PageWriterTest, SheetPathIsAttributeEscaped) {
  const std::string page = pageText("t", styleSheet("a\"b&c<d>.css"), {});
  EXPECT_NE(page.find("href=\"a&quot;b&amp;c&lt;d&gt;.css\" type"), std::string::npos) << page;
}

TEST(PageWriterTest, EmptyPaneGivesPreThenClosingPre) {
  EXPECT_NE(pageText("t", inCode(), {}).find("<pre>\r\n</pre>\r\n</body>"), std::string::npos);
}

TEST(PageWriterTest, TitleAndLinesAreWrittenAsTheyStand) {
  const std::string lines = std::string("a\0b\xff\r", 5);
  const std::string page = pageText(PreviewTitle, inCode(), {lines});
  EXPECT_NE(page.find("<title>&lt;&lt; Tessaline Preview &gt;&gt;</title>\r\n"), std::string::npos);
  EXPECT_NE(page.find("<pre>\r\n" + lines + "\r\n</pre>"), std::string::npos);
}

TEST(PageWriterTest, StreamsRowByRow) {
  std::ostringstream out;
  const TagSet tags = styleSheet("s.css");
  PageWriter writer(out, tags);
  writer.writeHead("unit1.pas");
  writer.writeLine("one");
  writer.writeLine("two");
  writer.writeTail();
  EXPECT_EQ(out.str(), pageText("unit1.pas", tags, {"one", "two"}));
}

class SaveOutputTest : public ::testing::Test {
 protected:
  std::size_t entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(temp.path()), {}));
  }

  TempFolder temp;
  const fs::path& folder = temp.path();
};

TEST_F(SaveOutputTest, WritesThePageAndReplacesAnOldOne) {
  const fs::path page = folder / "unit1.html";
  std::ofstream(page) << "an older and much longer page than the new one";
  SaveOutput(page.string(), "unit1", inCode(), {"a", "b"});
  EXPECT_EQ(readBytes(page), pageText("unit1", inCode(), {"a", "b"}));
  EXPECT_EQ(entries(), 1u) << "no temporary file is left";
}

// Rows of every size, some larger than the file's buffer, then one block of
// many rows: the bytes that pass the buffer and those that go through it
// must land in order.
TEST_F(SaveOutputTest, RowsAndBlocksOfAnySizeLandInOrder) {
  std::vector<std::string> lines;
  std::string block;
  for (std::size_t length = 1; length < 300000; length = length * 3 + 1) {
    lines.emplace_back(length, static_cast<char>('a' + lines.size() % 26));
    block += lines.back();
    block += PageLineEnd;
  }
  const fs::path page = folder / "big.html";
  AtomicFile file(page.string());
  PageWriter writer(file.stream(), inCode());
  writer.writeHead("big");
  for (const std::string& line : lines) writer.writeLine(line);
  writer.writeLines(block);
  writer.writeTail();
  file.commit();
  std::vector<std::string> twice = lines;
  twice.insert(twice.end(), lines.begin(), lines.end());
  EXPECT_EQ(readBytes(page), pageText("big", inCode(), twice));
}

TEST_F(SaveOutputTest, KeepsThePermissionsOfThePageItReplaces) {
  if (fs::path::preferred_separator == '\\') GTEST_SKIP() << "Windows files have no POSIX modes";
  const fs::path page = folder / "unit1.html";
  std::ofstream(page) << "old";
  fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write);
  SaveOutput(page.string(), "unit1", inCode(), {});
  EXPECT_EQ(fs::status(page).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SaveOutputTest, MissingFolderNamesTheFileAndTheReason) {
  const std::string page = (folder / "missing" / "unit1.html").string();
  try {
    SaveOutput(page, "unit1", inCode(), {});
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot write file '" + page + "': No such file or directory");
  }
}

TEST_F(SaveOutputTest, FailedRenameLeavesTheTargetAndNoTemporaryFile) {
  const fs::path page = folder / "taken.html";
  fs::create_directories(page / "inside");
  EXPECT_THROW(SaveOutput(page.string(), "t", inCode(), {"x"}), std::runtime_error);
  EXPECT_TRUE(fs::is_directory(page / "inside"));
  EXPECT_EQ(entries(), 1u);
}

}  // namespace
