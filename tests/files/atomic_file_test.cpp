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

#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>

namespace fs = std::filesystem;

namespace {

void writeAtomically(const std::string& fileName, const std::string& bytes,
                     AtomicFile::Options options = {}) {
  AtomicFile file(fileName, options);
  file.stream() << bytes;
  file.commit();
}

/// What writing bytes to fileName raised: the message, or "no error".
std::string errorOfWriting(const std::string& fileName, const std::string& bytes,
                           AtomicFile::Options options = {}) {
  try {
    writeAtomically(fileName, bytes, options);
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

/// A target a write may meet, made by the tests' own user (root, where
/// permissions are at stake) and written by the user nobody.
struct HostileTarget {
  const char* what;
  /// Makes the target below folder; gives the name to write.
  std::function<std::string(const fs::path& folder)> make;
  AtomicFile::Options options;
  /// Empty when the write goes through, else the reason it is refused with.
  std::string refusal;
  /// What the target holds afterwards; nothing for what cannot be read back.
  std::optional<std::string> content;
};

/// The names in the folder of name.
std::vector<std::string> namesBeside(const std::string& name) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(fs::path(name).parent_path()))
    found.push_back(entry.path().filename().string());
  std::sort(found.begin(), found.end());
  return found;
}

/// A file of bytes with mode, in a folder of its own with folderMode.
std::string fileInFolder(const fs::path& folder, const char* name, mode_t folderMode, mode_t mode) {
  fs::create_directory(folder / name);
  const std::string target = (folder / name / "page.html").string();
  writeBytes(target, "old");
  ::chmod(target.c_str(), mode);
  ::chmod((folder / name).c_str(), folderMode);
  return target;
}

TEST_F(AtomicFileTest, HostileTargetsAreWrittenOrRefusedAndLeaveNoTemporaryFile) {
  fs::permissions(folder, fs::perms::all);
  const HostileTarget targets[] = {
      {"writable file in a folder its user may not write",
       [](const fs::path& f) { return fileInFolder(f, "locked", 0555, 0666); },
       {},
       "",
       "new"},
      {"another user's writable file in a sticky folder",
       [](const fs::path& f) { return fileInFolder(f, "sticky", 01777, 0666); },
       {},
       "",
       "new"},
      {"file its user may not write",
       [](const fs::path& f) { return fileInFolder(f, "read-only", 0777, 0444); },
       {},
       "Permission denied",
       "old"},
      {"FIFO where pipes are refused",
       [](const fs::path& f) {
         const std::string fifo = (f / "pipe.html").string();
         ::mkfifo(fifo.c_str(), 0666);
         return fifo;
       },
       {.refusePipes = true},
       "Not a regular file",
       std::nullopt},
      {"existing file that must be kept",
       [](const fs::path& f) { return fileInFolder(f, "kept", 0777, 0666); },
       {.keepExisting = true},
       "File exists",
       "old"},
      {"missing file where existing ones are kept",
       [](const fs::path& f) {
         fs::create_directory(f / "fresh");
         ::chmod((f / "fresh").c_str(), 0777);
         return (f / "fresh" / "page.html").string();
       },
       {.keepExisting = true},
       "",
       "new"},
      {"links that go round",
       [](const fs::path& f) {
         fs::create_symlink("loop-b.html", f / "loop-a.html");
         fs::create_symlink("loop-a.html", f / "loop-b.html");
         return (f / "loop-a.html").string();
       },
       {},
       "Too many levels of symbolic links",
       std::nullopt},
  };
  std::vector<std::string> made;
  for (const HostileTarget& target : targets) made.push_back(target.make(folder));
  std::vector<std::vector<std::string>> before;
  // Afterwards the folder holds what it held and the target, no temporary file.
  for (const std::string& name : made) {
    before.push_back(namesBeside(name));
    const std::string target = fs::path(name).filename().string();
    if (std::find(before.back().begin(), before.back().end(), target) == before.back().end())
      before.back().push_back(target);
    std::sort(before.back().begin(), before.back().end());
  }
  const std::string outcome = runUnprivileged([&]() -> std::string {
    std::string failures;
    for (std::size_t i = 0; i < std::size(targets); ++i) {
      const HostileTarget& target = targets[i];
      const std::string& name = made[i];
      const std::string expected = target.refusal.empty()
                                       ? "no error"
                                       : "Cannot write file '" + name + "': " + target.refusal;
      const std::string error = errorOfWriting(name, "new", target.options);
      if (error != expected) failures += std::string(target.what) + ": " + error + "\n";
      if (target.content && readBytes(name) != *target.content)
        failures += std::string(target.what) + ": content\n";
      if (namesBeside(name) != before[i]) failures += std::string(target.what) + ": names\n";
    }
    return failures;
  });
  EXPECT_EQ(outcome, "");
}

TEST_F(AtomicFileTest, NamedTemporaryFileGoesWhenASignalEndsTheProgram) {
  if (::geteuid() != 0) GTEST_SKIP() << "hiding /proc needs root";
  const std::string page = file("page.html");
  writeBytes(page, "old");
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction current {};
    ::sigaction(signal, nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;  // as under nohup: the program keeps running
    const std::string outcome = runWithoutProc([&]() -> std::string {
      int ready[2];
      if (::pipe(ready) != 0) return "no pipe";
      const pid_t writer = ::fork();
      if (writer == 0) {
        AtomicFile written(page);
        written.stream() << std::string(1 << 17, 'n');
        written.stream().flush();
        (void)!::write(ready[1], "r", 1);
        for (;;) ::pause();
      }
      char byte = 0;
      if (::read(ready[0], &byte, 1) != 1) return "the writer did not start";
      if (names().size() != 2) return "no temporary name beside the page";
      ::kill(writer, signal);
      int status = 0;
      ::waitpid(writer, &status, 0);
      if (!WIFSIGNALED(status) || WTERMSIG(status) != signal) return "not ended by the signal";
      return names() == std::vector<std::string>{"page.html"} ? "" : "a temporary file was left";
    });
    EXPECT_EQ(outcome, "") << strsignal(signal);
  }
  EXPECT_EQ(readBytes(page), "old");
}

}  // namespace
