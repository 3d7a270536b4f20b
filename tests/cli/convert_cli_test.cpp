#include "cli_run.h"
#include "engine/code_page.h"
#include "engine/converter.h"
#include "engine/source_lines.h"
#include "files/utf8_path.h"
#include "output/file_name_rules.h"
#include "output/html_fragment.h"
#include "output/page_writer.h"
#include "settings/get_tags.h"
#include "settings/inline_style_tags.h"
#include "settings/memory_store.h"
#include "settings/reg_file_store.h"
#include "settings/style_sheet_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string unitBytes =
    "unit Unit1;\r\n{ a comment\r\n  over two lines }\r\nconst S = 'a<b'; N = $1F;\r\nend.\r\n";

TagSet builtInTags() {
  MemoryStore empty;
  TagSet tags;
  GetTags(empty, tags);
  return tags;
}

TagSet storedTags(const std::string& regFile) {
  RegFileStore store(regFile);
  TagSet tags;
  GetTags(store, tags);
  return tags;
}

/// The page the window's Save Output writes for these source bytes.
std::string windowPage(const std::string& bytes, const std::string& title, const TagSet& tags,
                       bool lineNumbers = false) {
  return pageText(htmlTitle(title), tags, Convert(splitSourceLines(bytes), tags), lineNumbers);
}

std::string convertedLines(const std::string& bytes, const TagSet& tags) {
  std::string text;
  for (const std::string& line : Convert(splitSourceLines(bytes), tags)) text += line + "\r\n";
  return text;
}

class ConvertCliTest : public ::testing::Test {
 protected:
  void SetUp() override { box.write("unit1.pas", unitBytes); }
  CliSandbox box;
};

TEST_F(ConvertCliTest, PageOnStandardOutputTitledWithTheFileName) {
  const CliRun run = box.run({"unit1.pas"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, windowPage(unitBytes, "unit1.pas", builtInTags()));
  EXPECT_EQ(run.err, "");
}

TEST_F(ConvertCliTest, OutputFileEqualsTheWindowsSaveOutputInBothModes) {
  for (const char* settings : {"incode.reg", "sheet.reg"}) {
    const std::string regFile = std::string(GOLDEN_DIR) + "/" + settings;
    const CliRun run = box.run({"--settings", regFile, "-o", "unit1.pas.html", "unit1.pas"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const fs::path saved = box.folder() / "window.html";
    SaveOutput(saved.string(), htmlTitle(fileNamePart("unit1.pas")), storedTags(regFile),
               Convert(splitSourceLines(unitBytes), storedTags(regFile)));
    EXPECT_EQ(box.read("unit1.pas.html"), box.read(saved)) << settings;
  }
}

TEST_F(ConvertCliTest, StandardInputGivesAnEmptyTitle) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-"}}) {
    const CliRun run = box.run(args, "unit1.pas");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, windowPage(unitBytes, "", builtInTags()));
  }
}

TEST_F(ConvertCliTest, TitleOptionIsEscapedLikeAFileName) {
  const CliRun run = box.run({"--title", "a&b<c>", "unit1.pas"});
  EXPECT_EQ(run.out, windowPage(unitBytes, "a&b<c>", builtInTags()));
  EXPECT_NE(run.out.find("<title>a&amp;b&lt;c&gt;</title>"), std::string::npos);
}

TEST_F(ConvertCliTest, LinesOptionWritesOnlyTheConvertedLines) {
  EXPECT_EQ(box.run({"--lines", "unit1.pas"}).out, convertedLines(unitBytes, builtInTags()));
  box.run({"--lines", "-o", "lines.txt", "unit1.pas"});
  EXPECT_EQ(box.read("lines.txt"), convertedLines(unitBytes, builtInTags()));
}

TEST_F(ConvertCliTest, UnreadableSourceFailsAndLeavesTheOutputAlone) {
  box.write("page.html", "old page");
  const CliRun run = box.run({"-o", "page.html", "missing.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tessaline-convert: Cannot read file 'missing.pas': No such file or directory\n");
  EXPECT_EQ(box.read("page.html"), "old page");
}

TEST_F(ConvertCliTest, FolderAsSourceWritesNothing) {
  fs::create_directories(box.folder() / "folder.pas");
  const CliRun run = box.run({"folder.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "tessaline-convert: Cannot read file 'folder.pas': Is a directory\n");
}

TEST_F(ConvertCliTest, UnwritableOutputNamesTheFile) {
  const CliRun run = box.run({"-o", "no/such/folder/page.html", "unit1.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tessaline-convert: Cannot write file 'no/such/folder/page.html': No such file or "
            "directory\n");
}

TEST_F(ConvertCliTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> usageErrors = {
      {"--bogus", "unit1.pas"},
      {"-d", "out", "-o", "x.html", "unit1.pas"},
      {"-d", "out", "--lines", "unit1.pas"},
      {"-d", "out"},
      {"unit1.pas", "unit1.pas"},
      {"-d", "out", "-j", "0", "unit1.pas"},
      {"--settings", "missing.reg", "unit1.pas"},
      {"-o"},
      {"--fragment", "--lines", "unit1.pas"},
      {"--fragment", "-d", "out", "unit1.pas"},
      {"--fragment", "--title", "t", "unit1.pas"},
      {"--fragment", "--line-numbers", "unit1.pas"},
      {"--line-numbers", "--lines", "unit1.pas"},
      {"--style-sheet"},
  };
  for (const auto& args : usageErrors) {
    const CliRun run = box.run(args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "") << ::testing::PrintToString(args);
    EXPECT_NE(run.err, "") << ::testing::PrintToString(args);
  }
  EXPECT_FALSE(fs::exists(box.folder() / "out"));
}

TEST_F(ConvertCliTest, HelpExitsWithZero) {
  const CliRun run = box.run({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: tessaline-convert"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("--version"), std::string::npos) << run.out;
}

TEST_F(ConvertCliTest, BrokenSettingsFileIsAnErrorNotTheBuiltInSet) {
  const std::string key = "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings]\r\n";
  // Each message names the file; a syntax error also says where and what.
  const struct {
    const char* what;
    std::string file;
    std::string errorStart;
  } cases[] = {
      {"not a settings file", "not a settings file\r\n",
       "tessaline-convert: Cannot read settings file 'broken.reg', line 1: "},
      {"a tab size stored as text",
       "REGEDIT4\r\n\r\n" + key + "\"Incode\"=dword:00000001\r\n\"TabSize\"=\"two\"\r\n",
       "tessaline-convert: Cannot read settings file 'broken.reg': Invalid data type for "
       "'TabSize'\n"},
      {"no mode", "REGEDIT4\r\n\r\n" + key,
       "tessaline-convert: Cannot read settings file 'broken.reg': Failed to get data for "
       "'Incode'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    box.write("broken.reg", c.file);
    const CliRun run = box.run({"--settings", "broken.reg", "unit1.pas"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(c.errorStart)) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line";
  }
}

/// Cases of what only POSIX systems have: devices, file modes, symbolic
/// links, file-size limits, other users. Windows skips them.
class PosixCliTest : public ConvertCliTest {
 protected:
  void SetUp() override {
    if (fs::path::preferred_separator == '\\') GTEST_SKIP() << "POSIX files only";
    ConvertCliTest::SetUp();
  }
};

TEST_F(PosixCliTest, DevicesAndStandardOutputAreWrittenInPlace) {
  EXPECT_EQ(box.run({"-o", "/dev/null", "unit1.pas"}).status, 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  const CliRun run = box.run({"-o", "/dev/stdout", "unit1.pas"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, windowPage(unitBytes, "unit1.pas", builtInTags()));
}

TEST_F(PosixCliTest, FullDeviceAndFullStandardOutputNameTheReason) {
  CliRun run = box.run({"-o", "/dev/full", "unit1.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tessaline-convert: Cannot write file '/dev/full': No space left on device\n");
  run = box.run({"unit1.pas"}, "", {.standardOutput = "/dev/full"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tessaline-convert: Cannot write to standard output: No space left on device\n");
}

TEST_F(PosixCliTest, OutputThatIsTheSourceIsRefusedAndTheSourceStays) {
  box.write("sub/other.pas", "");
  fs::create_symlink("unit1.pas", box.folder() / "link.pas");
  const std::pair<std::string, std::string> sameFile[] = {{"unit1.pas", "unit1.pas"},
                                                          {"unit1.pas", "./unit1.pas"},
                                                          {"unit1.pas", "sub/../unit1.pas"},
                                                          {"unit1.pas", "link.pas"},
                                                          {"link.pas", "unit1.pas"}};
  for (const auto& [source, output] : sameFile) {
    const CliRun run = box.run({"-o", output, source});
    EXPECT_EQ(run.status, 1) << output;
    EXPECT_EQ(run.err, "tessaline-convert: Cannot write file '" + output +
                           "': it is the source file '" + source + "'\n");
    EXPECT_EQ(box.read("unit1.pas"), unitBytes) << output;
    EXPECT_TRUE(fs::is_symlink(box.folder() / "link.pas"));
  }
}

TEST_F(PosixCliTest, WritePastTheFileSizeLimitFailsWithTheReasonAndLeavesNoFile) {
  std::string big;
  while (big.size() < (1 << 21)) big += unitBytes;
  box.write("big.pas", big);
  box.write("big.html", "old page");
  const CliRun run = box.run({"-o", "big.html", "big.pas"}, "", {.before = "ulimit -f 256"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tessaline-convert: Cannot write file 'big.html': File too large\n");
  EXPECT_EQ(box.read("big.html"), "old page");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(box.folder()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".no-settings", "big.html", "big.pas", "unit1.pas"}));
}

TEST_F(PosixCliTest, OutputItsUserMayNotWriteIsRefusedAndLeft) {
  fs::permissions(box.folder(), fs::perms::all);
  box.write("read-only.html", "old page");
  fs::permissions(box.folder() / "read-only.html",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const CliRun run = box.run({"-o", "read-only.html", "unit1.pas"}, "", {.unprivileged = true});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tessaline-convert: Cannot write file 'read-only.html': Permission denied\n");
  EXPECT_EQ(box.read("read-only.html"), "old page");
}

TEST_F(ConvertCliTest, NamesBeyondAsciiReachTheFilesAndTheTitle) {
  const std::string folder = "d\xC3\xA9j\xC3\xA0";  // "déjà" and "ünit1.pas" in UTF-8
  const std::string unit = "\xC3\xBCnit1.pas";
  box.write(folder + "/" + unit, unitBytes);
  const CliRun run = box.run({"-o", folder + "/page.html", folder + "/" + unit});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string page = windowPage(unitBytes, unit, builtInTags());
  EXPECT_EQ(box.read(utf8Path(folder + "/page.html")), page);
  const CliRun batch = box.run({"-d", folder + "/out", folder});
  EXPECT_EQ(batch.err, "1 converted, 0 failed\n");
  EXPECT_EQ(box.read(utf8Path(folder + "/out/" + unit + ".html")), page);
}

class BatchCliTest : public ConvertCliTest {};

TEST_F(BatchCliTest, WalksFoldersForPascalSourcesOfAnyLetterCase) {
  const std::string sources[] = {"tree/a/Unit2.PAS", "tree/a/b/fpmake.pp", "tree/c/fpmake.pp",
                                 "tree/x.Inc",       "tree/p.dpr",         "tree/q.DPK",
                                 "tree/r.lpr",       "tree/f.dfm"};
  for (const std::string& source : sources) box.write(source, unitBytes);
  box.write("tree/readme.txt", "not Pascal");
  box.write("tree/a/pas", "no extension");
  const CliRun run = box.run({"-d", "out/pages", "-j", "3", "tree", "unit1.pas"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "9 converted, 0 failed\n");
  for (const std::string& source : sources) {
    const std::string page = "out/pages/" + source.substr(5) + ".html";
    EXPECT_EQ(box.read(page), windowPage(unitBytes, fileNamePart(source), builtInTags())) << page;
  }
  EXPECT_EQ(box.read("out/pages/unit1.pas.html"), box.run({"unit1.pas"}).out);
  EXPECT_FALSE(fs::exists(box.folder() / "out/pages/readme.txt.html"));
  EXPECT_FALSE(fs::exists(box.folder() / "out/pages/a/pas.html"));
}

TEST_F(BatchCliTest, SecondSourceForTheSamePageFailsAndTheRestGoOn) {
  box.write("a/x.pas", "unit A;");
  box.write("b/x.pas", "unit B;");
  box.write("c/y.pas", "unit C;");
  const CliRun run = box.run({"-d", "out", "a/x.pas", "missing.pas", "b/x.pas", "c/y.pas"});
  // Pages are named with the system's own folder separator.
  const std::string page = fs::path("out/x.pas.html").make_preferred().string();
  const std::string missing = "Cannot read file 'missing.pas': No such file or directory\n";
  const std::string taken =
      "Cannot convert 'b/x.pas': its page '" + page + "' is already made from 'a/x.pas'\n";
  const std::string summary = "2 converted, 2 failed\n";
  EXPECT_EQ(run.status, 1);
  // The threads report failures as they meet them, in either order.
  EXPECT_TRUE(run.err == missing + taken + summary || run.err == taken + missing + summary)
      << run.err;
  EXPECT_EQ(box.read("out/x.pas.html"), windowPage("unit A;", "x.pas", builtInTags()));
  EXPECT_EQ(box.read("out/y.pas.html"), windowPage("unit C;", "y.pas", builtInTags()));
}

TEST_F(BatchCliTest, EmptyFolderMakesTheOutputFolderAndNoPages) {
  fs::create_directories(box.folder() / "empty");
  const CliRun run = box.run({"-d", "out", "empty"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "0 converted, 0 failed\n");
  EXPECT_TRUE(fs::is_directory(box.folder() / "out"));
}

TEST_F(PosixCliTest, UnreadableFoldersAndFilesAreNamedAndEverythingElseIsConverted) {
  fs::permissions(box.folder(), fs::perms::all);
  box.write("tree/a/ok.pas", "unit A;");
  box.write("tree/b/secret.pas", "unit S;");
  box.write("tree/locked/hidden.pas", "unit H;");
  box.write("tree/z.pas", "unit Z;");
  fs::permissions(box.folder() / "tree/b/secret.pas", fs::perms::none);
  fs::permissions(box.folder() / "tree/locked", fs::perms::none);
  const CliRun run = box.run({"-d", "out", "-j", "1", "tree"}, "", {.unprivileged = true});
  fs::permissions(box.folder() / "tree/locked", fs::perms::all);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Cannot read file 'tree/b/secret.pas': Permission denied\n"
            "Cannot read file 'tree/locked': Permission denied\n"
            "2 converted, 2 failed\n");
  EXPECT_EQ(box.read("out/a/ok.pas.html"), windowPage("unit A;", "ok.pas", builtInTags()));
  EXPECT_EQ(box.read("out/z.pas.html"), windowPage("unit Z;", "z.pas", builtInTags()));
}

/// The settings file of the golden pages in style-sheet mode, linking sheet.
std::string sheetSettings(const std::string& sheet) {
  std::string text = readBytes(std::string(GOLDEN_DIR) + "/sheet.reg");
  const std::string link = "\"Sheet\"=\"css/pascal.css\"";
  return text.replace(text.find(link), link.size(), "\"Sheet\"=\"" + sheet + "\"");
}

std::string storedSheet(const std::string& regFile) {
  RegFileStore store(regFile);
  return storedStyleSheet(store);
}

TEST_F(ConvertCliTest, LineNumbersNumberThePagesAsTheWindowDoes) {
  box.write("tree/unit1.pas", unitBytes);
  const std::string numbered = windowPage(unitBytes, "unit1.pas", builtInTags(), true);
  const std::string fromInput = windowPage(unitBytes, "", builtInTags(), true);
  EXPECT_EQ(box.run({"--line-numbers", "unit1.pas"}).out, numbered);
  EXPECT_EQ(box.run({"--line-numbers"}, "unit1.pas").out, fromInput);
  EXPECT_EQ(box.run({"--line-numbers", "-o", "p.html", "unit1.pas"}).status, 0);
  EXPECT_EQ(box.read("p.html"), numbered);
  EXPECT_EQ(box.run({"--line-numbers", "-d", "out", "tree"}).status, 0);
  EXPECT_EQ(box.read("out/unit1.pas.html"), numbered);
  // Without the option, the pages are as they always were.
  EXPECT_EQ(box.run({"unit1.pas"}).out, windowPage(unitBytes, "unit1.pas", builtInTags()));
}

TEST_F(ConvertCliTest, FragmentIsWhatCopyFormattedCopies) {
  const std::string regFile = std::string(GOLDEN_DIR) + "/sheet.reg";
  RegFileStore store(regFile);
  const TagSet tags = GetInlineStyleTags(store);
  // 0xE9 and 0x80 are the e acute and the euro sign in Windows-1252.
  const std::string sources[] = {unitBytes, "{ caf\xC3\xA9 }\r\nx := 'a<b';",
                                 "{ caf\xE9 \x80 }\nbegin end."};
  for (const std::string& bytes : sources) {
    box.write("s.pas", bytes);
    const std::string fragment =
        htmlFragment(splitSourceLines(toUtf8(bytes, codePageOf(bytes))), tags);
    const CliRun run = box.run({"--settings", regFile, "--fragment", "s.pas"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, fragment);
    EXPECT_EQ(box.run({"--settings", regFile, "--fragment", "-o", "f.html"}, "s.pas").status, 0);
    EXPECT_EQ(box.read("f.html"), fragment);
  }
}

TEST_F(ConvertCliTest, StyleSheetOptionWritesTheSettingsSheet) {
  const std::string regFile = std::string(GOLDEN_DIR) + "/sheet.reg";
  const CliRun alone = box.run({"--settings", regFile, "--style-sheet", "site/pascal.css"});
  EXPECT_EQ(alone.status, 0) << alone.err;
  EXPECT_EQ(alone.out, "");
  EXPECT_EQ(box.read("site/pascal.css"), storedSheet(regFile));
  EXPECT_NE(box.read("site/pascal.css").find(".pas-comment {\r\n"), std::string::npos);
  const CliRun withPage = box.run({"--settings", regFile, "--style-sheet", "s.css", "unit1.pas"});
  EXPECT_EQ(withPage.status, 0) << withPage.err;
  EXPECT_EQ(withPage.out, windowPage(unitBytes, "unit1.pas", storedTags(regFile)));
  EXPECT_EQ(box.read("s.css"), storedSheet(regFile));
}

TEST_F(PosixCliTest, LineNumbersFromAPipeCountItsLinesToo) {
  const CliRun run =
      box.run({"--line-numbers"}, "fifo", {.before = "mkfifo fifo && (cat unit1.pas > fifo &)"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, windowPage(unitBytes, "", builtInTags(), true));
}

TEST_F(PosixCliTest, UnwritableStyleSheetIsNamedWithTheReasonAndNothingIsWritten) {
  fs::permissions(box.folder(), fs::perms::all);
  fs::create_directories(box.folder() / "locked");
  fs::permissions(box.folder() / "locked",
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  const std::pair<std::string, std::string> cases[] = {
      {"unit1.pas/s.css", "Not a directory"},
      {"locked/s.css", "Permission denied"},
  };
  for (const auto& [sheet, reason] : cases) {
    const CliRun run = box.run({"--style-sheet", sheet, "-o", "page.html", "unit1.pas"}, "",
                               {.unprivileged = true});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tessaline-convert: Cannot write file '" + sheet + "': " + reason + "\n");
    EXPECT_FALSE(fs::exists(box.folder() / "page.html"));
  }
  EXPECT_TRUE(fs::is_empty(box.folder() / "locked"));
}

TEST_F(BatchCliTest, StyleSheetPagesGetTheirMissingSheetOnce) {
  box.write("tree/a.pas", unitBytes);
  box.write("tree/b.pas", unitBytes);
  box.write("tree/sub/c.pas", unitBytes);
  struct Case {
    std::string sheet;
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {"pascal.css", {"out/pascal.css", "out/sub/pascal.css"}},
      {"css/p.css", {"out/css/p.css", "out/sub/css/p.css"}},
      // Only inside the output folder, and never for an address.
      {"../p.css", {"out/p.css"}},
      {"https://example.org/p.css", {}},
  };
  for (const Case& test : cases) {
    fs::remove_all(box.folder() / "out");
    box.write("sheet.reg", sheetSettings(test.sheet));
    const CliRun run = box.run({"--settings", "sheet.reg", "-d", "out", "tree"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(box.folder() / "out")) {
      if (entry.path().extension() != ".css") continue;
      written.push_back(entry.path().lexically_relative(box.folder()).generic_string());
      EXPECT_EQ(box.read(entry.path()), storedSheet((box.folder() / "sheet.reg").string()));
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, test.written) << test.sheet;
  }
  // A sheet that is there stays as it is; in-code pages link none.
  box.write("out/pascal.css", "mine");
  box.write("sheet.reg", sheetSettings("pascal.css"));
  EXPECT_EQ(box.run({"--settings", "sheet.reg", "-d", "out", "tree"}).status, 0);
  EXPECT_EQ(box.read("out/pascal.css"), "mine");
  fs::remove_all(box.folder() / "out");
  const std::string inCode = std::string(GOLDEN_DIR) + "/incode.reg";
  EXPECT_EQ(box.run({"--settings", inCode, "-d", "out", "tree"}).status, 0);
  EXPECT_FALSE(fs::exists(box.folder() / "out/pascal.css"));
}

TEST_F(PosixCliTest, SettingsFilesThatCouldHangOrMisleadAreNamedWithTheirReason) {
  fs::create_symlink("loop-b.reg", box.folder() / "loop-a.reg");
  fs::create_symlink("loop-a.reg", box.folder() / "loop-b.reg");
  const std::pair<std::string, std::string> cases[] = {
      {"pipe.reg", "Not a regular file"},
      {"/dev/zero", "Not a regular file"},
      {"loop-a.reg", "Too many levels of symbolic links"},
  };
  for (const auto& [settings, reason] : cases) {
    const CliRun run = box.run({"--settings", settings, "unit1.pas"}, "",
                               {.before = "mkfifo -m 600 pipe.reg 2>/dev/null"});
    EXPECT_EQ(run.status, 1) << settings;
    EXPECT_EQ(run.out, "") << settings;
    EXPECT_EQ(run.err,
              "tessaline-convert: Cannot read settings file '" + settings + "': " + reason + "\n");
  }
}

TEST_F(PosixCliTest, SourceTooLargeForTheMemoryIsNamed) {
  // One line of 512 MB (a sparse file of zero bytes) for a program allowed 256 MB.
  box.write("huge.pas", "unit Huge;");
  fs::resize_file(box.folder() / "huge.pas", 512u << 20);
  const CliRun run = box.run({"-o", "huge.html", "huge.pas"}, "", {.before = "ulimit -v 262144"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "tessaline-convert: Cannot read file 'huge.pas': File too large for the memory "
            "available\n");
  EXPECT_FALSE(fs::exists(box.folder() / "huge.html"));
}

TEST_F(PosixCliTest, PageLinkedOntoAnotherSourceOfTheRunIsRefusedNamingBoth) {
  box.write("tree/a.pas", "unit A;");
  box.write("tree/b.pas", "unit B;");
  fs::create_directories(box.folder() / "out");
  fs::create_symlink("../tree/b.pas", box.folder() / "out/a.pas.html");
  const CliRun run = box.run({"-d", "out", "-j", "1", "tree"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Cannot write file 'out/a.pas.html': it is the source file 'tree/b.pas'\n"
            "1 converted, 1 failed\n");
  EXPECT_EQ(box.read("tree/b.pas"), "unit B;");
  EXPECT_EQ(box.read("out/b.pas.html"), windowPage("unit B;", "b.pas", builtInTags()));
}

TEST_F(PosixCliTest, LineBreakInASourceNameReachesTheTitleAsACharacterReference) {
  box.write("two\nlines.pas", unitBytes);
  const CliRun run = box.run({"two\nlines.pas"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("  <title>two&#10;lines.pas</title>\r\n"), std::string::npos);
  EXPECT_EQ(run.out, windowPage(unitBytes, "two\nlines.pas", builtInTags()));
}

/// Cases of what only Windows has: names that ignore letter case, device
/// names, read-only files. POSIX systems skip them.
class WindowsCliTest : public ConvertCliTest {
 protected:
  void SetUp() override {
    if (fs::path::preferred_separator == '/') GTEST_SKIP() << "Windows files only";
    ConvertCliTest::SetUp();
  }
};

TEST_F(WindowsCliTest, PagesWhoseNamesDifferOnlyInLetterCaseClash) {
  box.write("x/a.pas", "unit A;");
  box.write("y/A.pas", "unit B;");
  const CliRun run = box.run({"-d", "out", "-j", "1", "x/a.pas", "y/A.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "Cannot convert 'y/A.pas': its page 'out\\A.pas.html' is already made from "
            "'x/a.pas'\n1 converted, 1 failed\n");
  EXPECT_EQ(box.read("out/a.pas.html"), windowPage("unit A;", "a.pas", builtInTags()));
}

TEST_F(WindowsCliTest, DevicesAreWrittenInPlaceAndReadOnlyFilesRefused) {
  box.write("sub/unit2.pas", "");
  for (const char* device : {"NUL", "nul.html", "sub\\Nul.txt"}) {
    const CliRun run = box.run({"-o", device, "unit1.pas"});
    EXPECT_EQ(run.status, 0) << device << run.err;
    EXPECT_EQ(run.err, "") << device;
  }
  box.write("ro.html", "old page");
  fs::permissions(box.folder() / "ro.html", fs::perms::owner_read);
  const CliRun run = box.run({"-o", "ro.html", "unit1.pas"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tessaline-convert: Cannot write file 'ro.html': Permission denied\n");
  EXPECT_EQ(box.read("ro.html"), "old page");
  fs::permissions(box.folder() / "ro.html", fs::perms::all);
}

}  // namespace
