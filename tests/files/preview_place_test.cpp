#include "files/preview_place.h"
#include "files/file_error.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

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

TEST(preview_location, system_folders_are_those_a_package_installs_into) {
  const std::pair<const char*, bool> cases[] = {
      {"/usr/bin", true},
      {"/usr/local/bin", true},
      {"/opt/tessaline/bin", true},
      {"/bin", true},
      {"/usr", true},
      {"/usrdata/bin", false},
      {"/home/u/tessaline", false},
      {"/root/build/bin", false},
      {"/binaries", false},
  };
  for (const auto& [folder, system] : cases) EXPECT_EQ(isSystemFolder(folder), system) << folder;
}

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

  // A copy installed in a system folder keeps out of it, even run by root.
  setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  EXPECT_EQ(previewFileNameFor("/usr/bin"), cache + "/tessaline/TessalinePrev.html");
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

/// Sets an environment variable for one scope, or unsets it for a null value.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(preview_location, without_home_or_xdg_folders_the_user_database_or_no_place_at_all) {
  const ScopedVariable runtime("XDG_RUNTIME_DIR", nullptr);
  const ScopedVariable cache("XDG_CACHE_HOME", nullptr);
  {
    const ScopedVariable home("HOME", nullptr);
    const std::string fromDatabase = findPreviewFolders("/usr/bin").cacheFolder;
    EXPECT_FALSE(fromDatabase.starts_with("/.cache")) << fromDatabase;
    EXPECT_TRUE(fromDatabase.empty() || fromDatabase.ends_with("/.cache")) << fromDatabase;
  }
  const ScopedVariable home("HOME", "/");
  EXPECT_EQ(findPreviewFolders("/nonexistent").cacheFolder, "");
  EXPECT_EQ(previewFileNameFor("/nonexistent"), "");
  try {
    preparePreviewFolder("", "/usr/bin");
    ADD_FAILURE() << "no folder, and yet no error";
  } catch (const FileError& error) {
    EXPECT_TRUE(std::string(error.what()).starts_with("Cannot write file 'TessalinePrev.html': "))
        << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists("/.cache/tessaline"));
}

TEST_F(own_folder, at_exit_only_the_page_this_copy_wrote_and_still_there_goes) {
  const std::string page = root_ + "/TessalinePrev.html";
  // What happens to the page after this copy wrote it, and whether it stays.
  const std::pair<std::function<void()>, bool> cases[] = {
      {[] {}, false},
      {[&] {
         writeBytes(root_ + "/other.html", "another copy's page");
         std::filesystem::rename(root_ + "/other.html", page);
       },
       true},
      {[&] { std::ofstream(page, std::ios::app) << " and more from another copy"; }, true},
      {[&] { std::filesystem::remove(page); }, false},
  };
  for (const auto& [afterwards, stays] : cases) {
    writeBytes(page, "this copy's page");
    PreviewPageRecord record;
    record.noteWritten(page);
    afterwards();
    const bool existed = std::filesystem::exists(page);
    record.removeIfOwn();
    EXPECT_EQ(std::filesystem::exists(page), stays && existed);
  }
  PreviewPageRecord neverWritten;
  writeBytes(page, "another copy's page");
  neverWritten.removeIfOwn();
  EXPECT_TRUE(std::filesystem::exists(page));
}

}  // namespace
