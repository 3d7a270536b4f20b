#include "cli/batch_plan.h"
#include "files/utf8_path.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

constexpr bool OnWindows = fs::path::preferred_separator == '\\';

/// One plan: the files made below the folder, the PATHs named, and the
/// items expected as "source -> page" or "source: error", with the folder
/// written as "@".
struct PlanCase {
  const char* what;
  std::vector<std::string> files;
  std::function<void(const fs::path& folder)> prepare;
  std::vector<std::string> paths;
  std::vector<std::string> items;
};

std::string shown(const BatchItem& item, const std::string& folder) {
  const auto relative = [&](std::string text) {
    for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
      text.replace(at, folder.size(), "@");
    for (char& c : text)
      if (c == '\\') c = '/';
    return text;
  };
  return relative(item.source) +
         (item.error.empty() ? " -> " + relative(item.page) : ": " + relative(item.error));
}

TEST(BatchPlan, PagesForFilesAndFoldersAndTheSourcesThatCannotHaveOne) {
  const PlanCase cases[] = {
      {"a file", {"u.pas"}, nullptr, {"u.pas"}, {"@/u.pas -> @/out/u.pas.html"}},
      {"a folder, walked in name order, Pascal sources only",
       {"tree/b.pas", "tree/a/z.PP", "tree/a/readme.txt", "tree/c.dpr"},
       nullptr,
       {"tree"},
       {"@/tree/a/z.PP -> @/out/a/z.PP.html", "@/tree/b.pas -> @/out/b.pas.html",
        "@/tree/c.dpr -> @/out/c.dpr.html"}},
      {"a second source for the same page",
       {"x/u.pas", "y/u.pas"},
       nullptr,
       {"x/u.pas", "y/u.pas"},
       {"@/x/u.pas -> @/out/u.pas.html",
        "@/y/u.pas: Cannot convert '@/y/u.pas': its page '@/out/u.pas.html' is already made "
        "from '@/x/u.pas'"}},
      {"a name that differs only in letter case",
       {"x/a.pas", "y/A.pas"},
       nullptr,
       {"x/a.pas", "y/A.pas"},
       {"@/x/a.pas -> @/out/a.pas.html",
        OnWindows ? "@/y/A.pas: Cannot convert '@/y/A.pas': its page '@/out/A.pas.html' is "
                    "already made from '@/x/a.pas'"
                  : "@/y/A.pas -> @/out/A.pas.html"}},
      {"a missing PATH",
       {},
       nullptr,
       {"missing.pas"},
       {"@/missing.pas: Cannot read file '@/missing.pas': No such file or directory"}},
  };
  for (const PlanCase& c : cases) {
    TempFolder temp;
    const std::string folder = utf8Text(temp.path());
    for (const std::string& file : c.files) writeBytes(temp.path() / file, "unit U;");
    if (c.prepare) c.prepare(temp.path());
    std::vector<std::string> paths;
    for (const std::string& path : c.paths) paths.push_back(utf8Text(temp.path() / path));
    std::vector<std::string> items;
    for (const BatchItem& item : planBatch(paths, utf8Text(temp.path() / "out")))
      items.push_back(shown(item, folder));
    EXPECT_EQ(items, c.items) << c.what;
  }
}

TEST(BatchPlan, PageThatLinksToAnySourceOfTheRunIsRefused) {
  if (OnWindows) GTEST_SKIP() << "symbolic links need privileges on Windows";
  TempFolder temp;
  const std::string folder = utf8Text(temp.path());
  writeBytes(temp.path() / "tree/a.pas", "unit A;");
  writeBytes(temp.path() / "tree/b.pas", "unit B;");
  fs::create_directories(temp.path() / "out");
  // One page links to another source, one to its own, one to a file of no source.
  fs::create_symlink("../tree/b.pas", temp.path() / "out/a.pas.html");
  fs::create_symlink("../tree/b.pas", temp.path() / "out/b.pas.html");
  writeBytes(temp.path() / "elsewhere.html", "");
  fs::create_symlink("../elsewhere.html", temp.path() / "out/c.pas.html");
  writeBytes(temp.path() / "tree/c.pas", "unit C;");
  std::vector<std::string> items;
  for (const BatchItem& item : planBatch({folder + "/tree"}, folder + "/out"))
    items.push_back(shown(item, folder));
  EXPECT_EQ(items, (std::vector<std::string>{
                       "@/tree/a.pas: Cannot write file '@/out/a.pas.html': it is the source "
                       "file '@/tree/b.pas'",
                       "@/tree/b.pas: Cannot write file '@/out/b.pas.html': it is the source "
                       "file '@/tree/b.pas'",
                       "@/tree/c.pas -> @/out/c.pas.html"}));
}

}  // namespace
