#include "files/whole_file.h"
#include "files/file_error.h"
#include "test_files.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

class WholeFileTest : public testing::Test {
 protected:
  std::string file(const std::string& name) const { return temp.file(name); }

  TempFolder temp;
  const fs::path folder = temp.path();
};

/// The error reading path raised, with its errno.
std::pair<std::string, int> readError(const std::string& path) {
  try {
    readWholeFile(path);
  } catch (const FileError& error) {
    return {error.what(), error.code().value()};
  }
  return {"no error", 0};
}

TEST_F(WholeFileTest, EveryByteOfAFileOrAPipeComesBack) {
  std::string bytes = "a\0b\r\n\x80\xff"s;
  while (bytes.size() < 200000) bytes += bytes;
  writeBytes(file("unit1.pas"), bytes);
  EXPECT_EQ(readWholeFile(file("unit1.pas")), bytes);

  ASSERT_EQ(::mkfifo(file("pipe").c_str(), 0600), 0);
  auto writer = std::async(std::launch::async,
                           [&] { std::ofstream(file("pipe"), std::ios::binary) << bytes; });
  EXPECT_EQ(readWholeFile(file("pipe")), bytes);
  writer.get();
}

TEST_F(WholeFileTest, FailuresNameTheFileAndKeepTheReason) {
  fs::create_directories(folder / "folder.pas");
  writeBytes(file("plain"), "x");
  const std::tuple<std::string, std::string, int> cases[] = {
      {file("missing.pas"), "No such file or directory", ENOENT},
      {file("plain/below.pas"), "Not a directory", ENOTDIR},
      {file("folder.pas"), "Is a directory", EISDIR}};
  for (const auto& [path, reason, error] : cases) {
    EXPECT_EQ(readError(path), std::make_pair("Cannot read file '" + path + "': " + reason, error));
  }
}

TEST_F(WholeFileTest, FileItsUserMayNotReadIsAPermissionError) {
  fs::permissions(folder, fs::perms::all);
  const std::string secret = file("secret.pas");
  writeBytes(secret, "x");
  ::chmod(secret.c_str(), 0);
  const std::string outcome = runUnprivileged([&]() -> std::string {
    const auto [message, error] = readError(secret);
    return error == EACCES ? "" : message;
  });
  EXPECT_EQ(outcome, "");
}

/// The error readRegularFile raised, or "no error: <bytes>".
std::string regularReadError(const std::string& path, std::uint64_t maxSize) {
  try {
    return "no error: " + readRegularFile(path, maxSize);
  } catch (const FileError& error) {
    return error.what();
  }
}

TEST_F(WholeFileTest, ReaderThatMustNotHangRefusesWhatIsNotARegularFileAndWhatIsTooLarge) {
  writeBytes(file("unit1.pas"), "unit U;");
  ASSERT_EQ(::mkfifo(file("pipe.reg").c_str(), 0600), 0);
  fs::create_directories(folder / "folder.reg");
  fs::create_symlink("loop-b.reg", folder / "loop-a.reg");
  fs::create_symlink("loop-a.reg", folder / "loop-b.reg");
  fs::create_symlink("unit1.pas", folder / "link.pas");
  const std::tuple<std::string, std::uint64_t, std::string> cases[] = {
      {file("unit1.pas"), AnySize, "no error: unit U;"},
      {file("unit1.pas"), 7, "no error: unit U;"},
      {file("link.pas"), 7, "no error: unit U;"},
      {file("unit1.pas"), 6, "Cannot read file '" + file("unit1.pas") + "': File too large"},
      {file("pipe.reg"), AnySize,
       "Cannot read file '" + file("pipe.reg") + "': Not a regular file"},
      {"/dev/zero", AnySize, "Cannot read file '/dev/zero': Not a regular file"},
      {file("folder.reg"), AnySize,
       "Cannot read file '" + file("folder.reg") + "': Is a directory"},
      {file("loop-a.reg"), AnySize,
       "Cannot read file '" + file("loop-a.reg") + "': Too many levels of symbolic links"},
  };
  for (const auto& [path, maxSize, outcome] : cases)
    EXPECT_EQ(regularReadError(path, maxSize), outcome) << path;
}

}  // namespace
