#include "app/layout.h"
#include "app/preview_location.h"
#include "app/style_sheet_saver.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct BoxCase {
  int clientWidth, clientHeight;
  int boxWidth, boxHeight;
};

TEST(form_layout, box_size_rounds_half_to_even_and_keeps_minimums) {
  const BoxCase cases[] = {
      {1015, 700, 462, 650},  // 462.5 goes to the even 462
      {1017, 700, 464, 650},  // 463.5 goes to the even 464
      {1016, 700, 463, 650}, {490, 350, 200, 300}, {489, 349, 200, 300},
      {100, 100, 200, 300},  {0, 0, 200, 300},     {1280, 990, 595, 940},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.clientWidth) + "x" + std::to_string(c.clientHeight));
    const FormLayout layout = computeFormLayout(c.clientWidth, c.clientHeight);
    EXPECT_EQ(layout.sourceBox, (LayoutRect{20, 20, c.boxWidth, c.boxHeight}));
    EXPECT_EQ(layout.htmlBox, (LayoutRect{20 + c.boxWidth + 50, 20, c.boxWidth, c.boxHeight}));
    EXPECT_EQ(layout.source, (LayoutRect{20, 30, c.boxWidth - 40, c.boxHeight - 50}));
    EXPECT_EQ(layout.html, layout.source);
    EXPECT_EQ(layout.panel, (LayoutRect{0, 0, c.clientWidth, c.clientHeight}));
  }
}

TEST(form_layout, half_to_even_on_both_signs) {
  const std::pair<int, int> cases[] = {{0, 0},  {1, 0},   {3, 2},   {5, 2}, {7, 4},
                                       {-1, 0}, {-3, -2}, {-5, -2}, {8, 4}, {-8, -4}};
  for (const auto& [n, half] : cases) EXPECT_EQ(halfToEven(n), half) << n;
}

TEST(style_sheet_dialog, proposes_the_sheet_where_the_last_page_links_it) {
  const struct {
    std::string sheet, lastPage, proposed;
  } cases[] = {
      {"css/pascal.css", "/web/unit1.html", "/web/css/pascal.css"},
      {"../s.css?v=2", "/web/a/unit1.html", "/web/s.css"},
      {"pascal.css", "", "pascal.css"},
      {"/home/me/site.css", "/web/unit1.html", "/home/me/site.css"},
      {"https://example.org/s.css", "/web/unit1.html", ""},
      {"", "/web/unit1.html", ""},
  };
  for (const auto& test : cases)
    EXPECT_EQ(proposedStyleSheetFile(test.sheet, test.lastPage), test.proposed) << test.sheet;
}

TEST(preview_location, program_folder_only_when_own_then_runtime_then_cache) {
  struct Case {
    PreviewFolders folders;
    std::string expected;
  };
  const Case cases[] = {
      {{"/home/u/tessaline", true, "/run/user/1000", "/home/u/.cache"}, "/home/u/tessaline/"},
      {{"/home/u/tessaline/", true, "", ""}, "/home/u/tessaline/"},
      {{"/usr/bin", false, "/run/user/1000", "/home/u/.cache"}, "/run/user/1000/tessaline/"},
      {{"/usr/bin", false, "", "/home/u/.cache"}, "/home/u/.cache/tessaline/"},
      {{"/usr/bin", false, "/run/user/1000/", "/home/u/.cache"}, "/run/user/1000/tessaline/"},
  };
  for (const Case& c : cases) EXPECT_EQ(choosePreviewFolder(c.folders), c.expected);
}

class own_folder : public testing::Test {
 protected:
  std::string folder(const char* name, mode_t mode) {
    const std::string path = root_ + "/" + name;
    EXPECT_EQ(mkdir(path.c_str(), mode), 0);
    EXPECT_EQ(chmod(path.c_str(), mode), 0);
    return path;
  }

  TempFolder temp_;
  const std::string root_ = temp_.path().string();
};

TEST_F(own_folder, only_a_real_folder_of_the_user_that_no_one_else_may_write) {
  EXPECT_TRUE(isOwnFolder(folder("private", 0700)));
  EXPECT_TRUE(isOwnFolder(folder("readable", 0755)));
  EXPECT_FALSE(isOwnFolder(folder("shared", 0777)));
  EXPECT_FALSE(isOwnFolder(folder("group", 0775)));
  EXPECT_FALSE(isOwnFolder("/tmp"));
  EXPECT_FALSE(isOwnFolder(root_ + "/missing"));
  const std::string link = root_ + "/link";
  ASSERT_EQ(symlink(folder("target", 0700).c_str(), link.c_str()), 0);
  EXPECT_FALSE(isOwnFolder(link));
  if (geteuid() == 0) {
    const std::string other = folder("other", 0755);
    ASSERT_EQ(chown(other.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(isOwnFolder(other));
  }
}

TEST_F(own_folder, installed_copy_previews_into_a_private_runtime_folder) {
  const std::string runtime = folder("runtime", 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  const std::string program = folder("shared-program", 0777);
  const std::string name = previewFileNameFor(program);
  EXPECT_EQ(name, runtime + "/tessaline/TessalinePrev.html");
  preparePreviewFolder(name, program);
  struct stat info {};
  ASSERT_EQ(stat((runtime + "/tessaline").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  unsetenv("XDG_RUNTIME_DIR");
  const std::string cache = root_ + "/cache";
  setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  EXPECT_EQ(previewFileNameFor("/nonexistent"), cache + "/tessaline/TessalinePrev.html");
  preparePreviewFolder(cache + "/tessaline/TessalinePrev.html", "/nonexistent");
  EXPECT_TRUE(isPrivateFolder(cache + "/tessaline"));
  unsetenv("XDG_CACHE_HOME");

  const std::string own = folder("own-program", 0755);
  EXPECT_EQ(previewFileNameFor(own), own + "/TessalinePrev.html");
  preparePreviewFolder(own + "/TessalinePrev.html", own);
  EXPECT_FALSE(std::filesystem::exists(own + "/tessaline"));
}

TEST_F(own_folder, private_folder_that_others_may_use_or_a_link_is_refused_and_left) {
  const std::string target = folder("elsewhere", 0700);
  std::vector<std::string> refused = {folder("readable", 0700) + "/tessaline",
                                      folder("shared", 0700) + "/tessaline",
                                      folder("linked", 0700) + "/tessaline"};
  ASSERT_EQ(mkdir(refused[0].c_str(), 0755), 0);
  ASSERT_EQ(mkdir(refused[1].c_str(), 0777), 0);
  ASSERT_EQ(chmod(refused[1].c_str(), 01777), 0);
  ASSERT_EQ(symlink(target.c_str(), refused[2].c_str()), 0);
  if (geteuid() == 0) {
    refused.push_back(folder("foreign", 0700) + "/tessaline");
    ASSERT_EQ(mkdir(refused.back().c_str(), 0700), 0);
    ASSERT_EQ(chown(refused.back().c_str(), 65534, 65534), 0);
  }
  for (const std::string& privateFolder : refused) {
    const std::string page = privateFolder + "/TessalinePrev.html";
    try {
      preparePreviewFolder(page, "/usr/bin");
      ADD_FAILURE() << privateFolder;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot write file '" + page + "': its folder '" +
                                               privateFolder +
                                               "' must be a real folder of this user that no "
                                               "one else may use");
    }
  }
  struct stat info {};
  ASSERT_EQ(stat(refused[1].c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 01777u);

  const std::string page = root_ + "/missing/base/tessaline/TessalinePrev.html";
  try {
    preparePreviewFolder(page, "/usr/bin");
    ADD_FAILURE() << "made below a missing folder";
  } catch (const std::system_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot write file '" + page + "': No such file or directory");
  }
}

}  // namespace
