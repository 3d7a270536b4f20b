#include "files/atomic_file.h"
#include "files/file_descriptor.h"
#include "files/file_error.h"
#include "test_files.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <future>

namespace fs = std::filesystem;

namespace {

void writeAtomically(const std::string& fileName, const std::string& bytes) {
  AtomicFile file(fileName);
  file.stream() << bytes;
  file.commit();
}

/// What writing bytes to fileName raised: the message, or "no error".
std::string errorOfWriting(const std::string& fileName, const std::string& bytes) {
  try {
    writeAtomically(fileName, bytes);
  } catch (const FileError& error) {
    return error.what();
  }
  return "no error";
}

class AtomicFileTest : public testing::Test {
 protected:
  std::string file(const std::string& name) const { return temp.file(name); }

  /// The names in the folder, so a test sees any temporary file left.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
      found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
  }

  TempFolder temp;
  const fs::path folder = temp.path();
};

TEST_F(AtomicFileTest, DevicesAreWrittenInPlaceAndStayDevices) {
  writeAtomically("/dev/null", "page");
  struct stat info {};
  ASSERT_EQ(::stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0666u);
  EXPECT_EQ(errorOfWriting("/dev/full", std::string(1 << 17, 'x')),
            "Cannot write file '/dev/full': No space left on device");
}

TEST_F(AtomicFileTest, FifoIsWrittenInPlaceAndItsReaderGetsThePage) {
  const std::string fifo = file("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto reader = std::async(std::launch::async, [&] { return readBytes(fifo); });
  const std::string page(300000, 'p');
  writeAtomically(fifo, page);
  EXPECT_EQ(reader.get(), page);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(names(), std::vector<std::string>{"pipe"});
}

TEST_F(AtomicFileTest, LinksAreFollowedAndStayLinks) {
  fs::create_directories(folder / "dotfiles" / "deep");
  writeBytes(file("dotfiles/deep/Tessaline.reg"), "old");
  // A relative link to a relative link, as dotfile managers make them.
  fs::create_symlink("deep/Tessaline.reg", folder / "dotfiles" / "current.reg");
  fs::create_symlink("dotfiles/current.reg", folder / "Tessaline.reg");
  fs::create_symlink(folder / "dotfiles" / "new.reg", folder / "dangling.reg");

  writeAtomically(file("Tessaline.reg"), "new");
  writeAtomically(file("dangling.reg"), "made");
  EXPECT_TRUE(fs::is_symlink(folder / "Tessaline.reg"));
  EXPECT_TRUE(fs::is_symlink(folder / "dotfiles" / "current.reg"));
  EXPECT_EQ(readBytes(folder / "dotfiles" / "deep" / "Tessaline.reg"), "new");
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.reg"));
  EXPECT_EQ(readBytes(folder / "dotfiles" / "new.reg"), "made");
  EXPECT_EQ(names(), (std::vector<std::string>{"Tessaline.reg", "dangling.reg", "dotfiles"}));
}

TEST_F(AtomicFileTest, LinksThatGoRoundAreAnError) {
  fs::create_symlink("b", folder / "a");
  fs::create_symlink("a", folder / "b");
  EXPECT_EQ(errorOfWriting(file("a"), "x"),
            "Cannot write file '" + file("a") + "': Too many levels of symbolic links");
}

TEST_F(AtomicFileTest, FileItsUserMayNotWriteIsRefusedAndLeft) {
  fs::permissions(folder, fs::perms::all);
  const std::string page = file("read-only.html");
  writeBytes(page, "old");
  fs::permissions(page, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(page.c_str(), NobodyId, NobodyId), 0);
  }
  const std::string outcome = runUnprivileged([&]() -> std::string {
    const std::string error = errorOfWriting(page, "new");
    if (error != "Cannot write file '" + page + "': Permission denied") return error;
    return readBytes(page) == "old" ? "" : "the file changed";
  });
  EXPECT_EQ(outcome, "");
  EXPECT_EQ(names(), std::vector<std::string>{"read-only.html"});
}

TEST_F(AtomicFileTest, ReplacedFileKeepsItsModeAndANewOneFollowsTheUmask) {
  const std::string page = file("page.html");
  writeBytes(page, "old");
  ::chmod(page.c_str(), 0640);
  writeAtomically(page, "new");
  writeAtomically(file("fresh.html"), "new");
  struct stat info {};
  ASSERT_EQ(::stat(page.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ASSERT_EQ(::stat(file("fresh.html").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0666u & ~mask);
}

TEST_F(AtomicFileTest, NothingButTheOldFileIsSeenBeforeCommitOrAfterAnAbandonedWrite) {
  const std::string page = file("page.html");
  writeBytes(page, "old");
  {
    AtomicFile written(page);
    written.stream() << std::string(1 << 20, 'n');
    written.stream().flush();
    const FileDescriptor probe(::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600));
    // Where the file system has unnamed files, not even a temporary name shows.
    if (probe) {
      EXPECT_EQ(names(), std::vector<std::string>{"page.html"});
    }
  }
  EXPECT_EQ(readBytes(page), "old");
  EXPECT_EQ(names(), std::vector<std::string>{"page.html"});
}

TEST_F(AtomicFileTest, WithoutUnnamedFilesANamedTemporaryFileTakesTheTargetsPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "hiding /proc needs root";
  const std::string page = file("page.html");
  writeBytes(page, "old");
  ::chmod(page.c_str(), 0640);
  const std::string outcome = runWithoutProc([&]() -> std::string {
    {
      AtomicFile abandoned(page);
      abandoned.stream() << "lost";
      if (names().size() != 2) return "no temporary name beside the page";
    }
    if (names() != std::vector<std::string>{"page.html"}) return "a temporary file was left";
    writeAtomically(page, "new");
    return names() == std::vector<std::string>{"page.html"} ? "" : "a temporary file was left";
  });
  EXPECT_EQ(outcome, "");
  EXPECT_EQ(readBytes(page), "new");
  EXPECT_EQ(fs::status(page).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, WritePastTheFileSizeLimitFailsWithTheReasonAndLeavesNoFile) {
  const std::string page = file("page.html");
  writeBytes(page, "old");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  rlimit tight = previous;
  tight.rlim_cur = 1 << 16;
  ::setrlimit(RLIMIT_FSIZE, &tight);
  const std::string error = errorOfWriting(page, std::string(1 << 18, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(error, "Cannot write file '" + page + "': File too large");
  EXPECT_EQ(readBytes(page), "old");
  EXPECT_EQ(names(), std::vector<std::string>{"page.html"});
}

TEST_F(AtomicFileTest, FolderInTheWayIsNamedAndLeft) {
  fs::create_directories(folder / "taken.html" / "inside");
  EXPECT_EQ(errorOfWriting(file("taken.html"), "x"),
            "Cannot write file '" + file("taken.html") + "': Is a directory");
  EXPECT_TRUE(fs::is_directory(folder / "taken.html" / "inside"));
}

}  // namespace
