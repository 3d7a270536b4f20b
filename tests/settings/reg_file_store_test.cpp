#include "settings/reg_file_store.h"
#include "error_of.h"
#include "settings/settings_io.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>

namespace {

using namespace std::string_literals;

const std::string SettingsBlock = "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings]";

/// Settings with every field set, so a round trip shows each value.
HeldSettings sampleSettings() {
  HeldSettings held;
  held.Classes = ClassicSettings;
  held.Classes[1].Underlined = true;
  held.Classes[0].StyleClass = "pas-comment";
  held.Classes[3].StyleClass = "say \"hi\" C:\\ <&>";
  held.StyleSheet = "line one\r\nline two";
  held.DefaultColor = "";
  return held;
}

class RegFileStoreTest : public testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("Korvane/Tessaline.reg");
  RegFileStore store{path};

  void writeFile(const std::string& bytes) {
    std::filesystem::create_directories(folder.path() / "Korvane");
    writeBytes(path, bytes);
  }
};

TEST_F(RegFileStoreTest, MissingFileIsAnEmptyStoreAndReadingMakesNothing) {
  EXPECT_FALSE(store.openKey(SettingsKey, false));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Korvane"));
}

TEST_F(RegFileStoreTest, WrittenSettingsReadBackInAFreshStore) {
  auto held = sampleSettings();
  held.Classes[2].StyleClass = std::string(1 << 20, 's');
  const DialogSettingsState state{FormattingMode::StyleSheets, -5, false};
  WriteToRegistry(store, held, state);

  RegFileStore reader(path);
  HeldSettings loaded;
  DialogSettingsState loadedState;
  EXPECT_TRUE(LoadFromRegistry(reader, loaded, loadedState));
  EXPECT_EQ(loaded, held);
  EXPECT_EQ(loadedState.Mode, FormattingMode::StyleSheets);
  EXPECT_EQ(loadedState.TabSize, -5);

  const auto text = readBytes(path);
  EXPECT_TRUE(text.starts_with("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n"));
  EXPECT_NE(text.find("\"Sheet\"=hex(1):6c,69,6e,65,20,6f,6e,65,0d,0a,"), std::string::npos);
  EXPECT_NE(text.find("\"TabSize\"=dword:fffffffb\r\n"), std::string::npos);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST_F(RegFileStoreTest, EveryOpenReadsTheFileAfresh) {
  writeFile("REGEDIT4\n" + SettingsBlock + "\n\"TabSize\"=dword:00000004\n");
  ASSERT_TRUE(store.openKey(SettingsKey, false));
  EXPECT_EQ(store.readInteger("TabSize"), 4);
  store.closeKey();
  writeFile("REGEDIT4\n" + SettingsBlock + "\n\"TabSize\"=dword:00000008\n");
  ASSERT_TRUE(store.openKey(SettingsKey, false));
  EXPECT_EQ(store.readInteger("TabSize"), 8);
}

TEST_F(RegFileStoreTest, UnknownKeysAndValuesSurviveAWrite) {
  writeFile("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n\r\n" +
            SettingsBlock + "\r\n\"Extra\"=hex:01,02\r\n\"TabSize\"=dword:00000009\r\n");
  WriteToRegistry(store, sampleSettings(), DialogSettingsState{});
  const auto text = readBytes(path);
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Other]\r\n\"Keep\"=\"me\"\r\n"),
            std::string::npos);
  EXPECT_NE(text.find(SettingsBlock + "\r\n\"Extra\"=hex:01,02\r\n\"TabSize\"=dword:00000002\r\n"),
            std::string::npos);
}

TEST_F(RegFileStoreTest, UnparseableFileFailsEveryReadAndIsKeptByTheNextWrite) {
  const std::string broken = "REGEDIT4\r\n" + SettingsBlock + "\r\n\"Color\"=\"0000";
  writeFile(broken);
  const std::string message =
      "Cannot read settings file '" + path + "', line 3: the text has no closing quote";
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }), message);
  EXPECT_EQ(errorOf([&] { store.openKey(std::string(SettingsKey) + "\\Style", false); }), message);

  WriteToRegistry(store, sampleSettings(), DialogSettingsState{});
  EXPECT_EQ(readBytes(path + ".bak"), broken);
  HeldSettings loaded;
  DialogSettingsState state;
  EXPECT_TRUE(LoadFromRegistry(store, loaded, state));
}

TEST_F(RegFileStoreTest, UnreadableFileNamesTheSystemsReason) {
  std::filesystem::create_directories(path);
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }),
            "Cannot read settings file '" + path + "': Is a directory");
  EXPECT_EQ(errorOf([&] { WriteToRegistry(store, sampleSettings(), DialogSettingsState{}); }),
            "Failed to set data for '" + path + "': Is a directory");
}

TEST_F(RegFileStoreTest, WriteBelowARegularFileFailsWithTheSystemsReason) {
  writeBytes(folder.file("Korvane"), "a file, not a folder");
  EXPECT_EQ(errorOf([&] { WriteToRegistry(store, sampleSettings(), DialogSettingsState{}); }),
            "Failed to set data for '" + path + "': Not a directory");
}

TEST_F(RegFileStoreTest, FailedWriteLeavesTheOldFileWhole) {
  const std::string old =
      "REGEDIT4\r\n\r\n" + SettingsBlock + "\r\n\"TabSize\"=dword:00000004\r\n\r\n";
  writeFile(old);
  // A file-size limit below the new file's size makes the write itself fail.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  rlimit tight = previous;
  tight.rlim_cur = 200;
  ::setrlimit(RLIMIT_FSIZE, &tight);
  const auto error =
      errorOf([&] { WriteToRegistry(store, sampleSettings(), DialogSettingsState{}); });
  ::setrlimit(RLIMIT_FSIZE, &previous);

  EXPECT_EQ(error, "Failed to set data for '" + path + "': File too large");
  EXPECT_EQ(readBytes(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "Korvane"),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(RegFileStoreTest, RegistryEditorExportDroppedInPlaceReads) {
  writeFile(readBytes(std::string(TESSALINE_SETTINGS_TEST_DATA) + "/exported.reg"));
  HeldSettings held;
  DialogSettingsState state;
  ASSERT_TRUE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held.Classes[0], (ClassAttributes{false, true, false, "008000", "pas-comment"}));
  EXPECT_EQ(held.Classes[3], (ClassAttributes{false, false, true, "000080", "pas-string"}));
  EXPECT_EQ(held.StyleSheet, "%USERPROFILE%\\Documents\\Web\\Styles\\delphi-source-listing.css");
  EXPECT_EQ(state.Mode, FormattingMode::InCode);
  EXPECT_EQ(state.TabSize, 4);
}

TEST_F(RegFileStoreTest, LinkedFileStaysALinkAndItsTargetTakesTheSettings) {
  // Dotfile managers keep the settings file as a link into their own tree.
  const auto target = folder.path() / "dotfiles" / "Tessaline.reg";
  std::filesystem::create_directories(target.parent_path());
  std::filesystem::create_directories(folder.path() / "Korvane");
  writeBytes(target.string(), "REGEDIT4\r\n");
  std::filesystem::create_symlink("../dotfiles/Tessaline.reg", path);
  auto held = sampleSettings();
  WriteToRegistry(store, held, DialogSettingsState{});
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  HeldSettings loaded;
  DialogSettingsState state;
  RegFileStore reader(target.string());
  ASSERT_TRUE(LoadFromRegistry(reader, loaded, state));
  EXPECT_EQ(loaded, held);
}

TEST_F(RegFileStoreTest, Version5ExportReadsAndKeepsItsFormWhenWritten) {
  writeFile(readBytes(std::string(TESSALINE_SETTINGS_TEST_DATA) + "/exported5.reg"));
  HeldSettings held;
  DialogSettingsState state;
  ASSERT_TRUE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held.Classes[0].StyleClass, "pas-kommentar-\xc3\xbc\xe2\x82\xac\xf0\x9f\x98\x80");
  EXPECT_EQ(held.StyleSheet, "%USERPROFILE%\\Documents\\Web\\Styles\\delphi-source-listing.css");

  held.StyleSheet = "\xc3\xa9t\xc3\xa9.css";
  WriteToRegistry(store, held, state);
  const auto written = readBytes(path);
  EXPECT_TRUE(written.starts_with("\xff\xfeW\0i\0n\0d\0o\0w\0s\0"s));
  EXPECT_NE(written.find("\"\0=\0\"\0\xe9\0t\0\xe9\0.\0c\0s\0s\0\"\0"s), std::string::npos);
  HeldSettings reread;
  RegFileStore reader(path);
  ASSERT_TRUE(LoadFromRegistry(reader, reread, state));
  EXPECT_EQ(reread, held);
}

TEST_F(RegFileStoreTest, NewFileIsRegedit4) {
  WriteToRegistry(store, sampleSettings(), DialogSettingsState{});
  EXPECT_TRUE(readBytes(path).starts_with("REGEDIT4\r\n"));
}

TEST_F(RegFileStoreTest, FileOfAnUnknownFormNamesTheFileTheLineAndWhatWasExpected) {
  writeFile("\xff\xfe"s +
            "R\0E\0G\0E\0D\0I\0T\0"
            "5\0"s);
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }),
            "Cannot read settings file '" + path +
                "', line 1: the file starts with an unknown header: expected the line REGEDIT4 or "
                "Windows Registry Editor Version 5.00");
  writeFile("W\0i\0n\0"s);
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }),
            "Cannot read settings file '" + path +
                "', line 1: the file is UTF-16 without a byte-order mark: expected UTF-16LE with a "
                "byte-order mark, UTF-8 or 8-bit text");
}

TEST_F(RegFileStoreTest, EarlierBackupsOfUnparseableFilesAreNeverReplaced) {
  const std::string broken = "REGEDIT4\r\n" + SettingsBlock + "\r\n\"Color\"=\"0000";
  writeFile(broken);
  writeBytes(path + ".bak", "first backup");
  writeBytes(path + ".1.bak", "second backup");
  WriteToRegistry(store, sampleSettings(), DialogSettingsState{});
  EXPECT_EQ(readBytes(path + ".bak"), "first backup");
  EXPECT_EQ(readBytes(path + ".1.bak"), "second backup");
  EXPECT_EQ(readBytes(path + ".2.bak"), broken);
  writeFile(broken + "again");
  WriteToRegistry(store, sampleSettings(), DialogSettingsState{});
  EXPECT_EQ(readBytes(path + ".2.bak"), broken);
  EXPECT_EQ(readBytes(path + ".3.bak"), broken + "again");
}

TEST_F(RegFileStoreTest, SettingsFileThatIsNoRegularFileOrTooLargeIsRefusedUnread) {
  std::filesystem::create_directories(folder.path() / "Korvane");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }),
            "Cannot read settings file '" + path + "': Not a regular file");
  EXPECT_EQ(errorOf([&] { WriteToRegistry(store, sampleSettings(), DialogSettingsState{}); }),
            "Failed to set data for '" + path + "': Not a regular file");
  RegFileStore device("/dev/zero");
  EXPECT_EQ(errorOf([&] { device.openKey(SettingsKey, false); }),
            "Cannot read settings file '/dev/zero': Not a regular file");
  std::filesystem::remove(path);
  // A sparse file, one byte past the limit.
  writeFile("REGEDIT4\r\n");
  std::filesystem::resize_file(path, MaxSettingsFileSize + 1);
  EXPECT_EQ(errorOf([&] { store.openKey(SettingsKey, false); }),
            "Cannot read settings file '" + path + "': File too large");
}

TEST_F(RegFileStoreTest, ChangesByAnotherProgramAreSeenBetweenReadsAndWrites) {
  const DialogSettingsState state{FormattingMode::InCode, 4, false};
  WriteToRegistry(store, sampleSettings(), state);
  // Another copy of the program rewrites the file at once, to the same size.
  std::string text = readBytes(path);
  text.replace(text.find("dword:00000004"), 14, "dword:00000007");
  writeFile(text);
  HeldSettings held;
  DialogSettingsState loaded;
  LoadFromRegistry(store, held, loaded);
  EXPECT_EQ(loaded.TabSize, 7);
  writeFile(text + "; a comment of its own\r\n");
  WriteToRegistry(store, held, state);
  EXPECT_NE(readBytes(path).find("; a comment of its own"), std::string::npos);
}

struct ConfigCase {
  const char* xdgConfigHome;
  const char* home;
  std::string expected;
};

void PrintTo(const ConfigCase& param, std::ostream* out) { *out << param.expected; }

class DefaultSettingsPath : public testing::TestWithParam<ConfigCase> {};

TEST_P(DefaultSettingsPath, FollowsTheConfigFolder) {
  const auto set = [](const char* name, const char* value) {
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  };
  set("XDG_CONFIG_HOME", GetParam().xdgConfigHome);
  set("HOME", GetParam().home);
  EXPECT_EQ(defaultSettingsFilePath(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RegFileStore, DefaultSettingsPath,
    testing::Values(ConfigCase{"/xdg", "/home/u", "/xdg/Korvane/Tessaline.reg"},
                    ConfigCase{nullptr, "/home/u", "/home/u/.config/Korvane/Tessaline.reg"},
                    ConfigCase{"", "/home/u", "/home/u/.config/Korvane/Tessaline.reg"},
                    ConfigCase{"relative", "/home/u", "/home/u/.config/Korvane/Tessaline.reg"}));

}  // namespace
