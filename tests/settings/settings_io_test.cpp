#include "settings/settings_io.h"
#include "store_text.h"

#include <gtest/gtest.h>

namespace {

/// A store as WriteToRegistry leaves it, with the lines of one key changed.
std::string completeStoreText(const std::string& settingsValues, const std::string& numberValues) {
  return "REGEDIT4\n" + Settings + "\\InCode\\Comment]\n" +
         "\"Bold\"=dword:0\n\"Italic\"=dword:1\n\"Underlined\"=dword:0\n\"Color\"=\"000080\"\n" +
         Settings + "\\InCode\\Number]\n" + numberValues + Settings + "\\Style]\n" +
         "\"Comment\"=\"c\"\n\"Sheet\"=hex(2):61,2e,63,73,73,00\n" + Settings + "]\n" +
         settingsValues;
}

const std::string GoodNumber =
    "\"Bold\"=dword:1\n\"Italic\"=dword:0\n\"Underlined\"=dword:0\n\"Color\"=\"00FF00AA\"\n";
const std::string GoodSettings =
    "\"Incode\"=dword:5\n\"TabSize\"=dword:7fffffff\n\"DefaultColor\"=\"\"\n";

/// Held settings with a mark in every field, to see what a load leaves.
HeldSettings markedSettings() {
  HeldSettings held;
  for (auto& attributes : held.Classes) attributes = {true, true, true, "mark", "mark"};
  held.StyleSheet = "mark";
  held.DefaultColor = "mark";
  return held;
}

TEST(LoadFromRegistry, EmptyStoreFindsNothingAndChangesNothing) {
  MemoryStore store;
  auto held = markedSettings();
  DialogSettingsState state;
  EXPECT_FALSE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held, markedSettings());
  EXPECT_EQ(state.Mode, FormattingMode::None);
  EXPECT_FALSE(state.LoadingFlag);
}

TEST(LoadFromRegistry, FirstRunDefaultsChangeOnlyInCodeFieldsModeColourAndTabSize) {
  auto held = markedSettings();
  DialogSettingsState state{FormattingMode::None, 9, false};
  applyFirstRunDefaults(held, state);
  for (int i = 0; i < TokenClassCount; ++i) {
    auto expected = ClassicSettings[i];
    expected.StyleClass = "mark";
    EXPECT_EQ(held.Classes[i], expected);
  }
  EXPECT_EQ(held.StyleSheet, "mark");
  EXPECT_EQ(held.DefaultColor, "000000");
  EXPECT_EQ(state.Mode, FormattingMode::InCode);
  EXPECT_EQ(state.TabSize, 2);
}

TEST(LoadFromRegistry, ReadsEveryKeyThatOpens) {
  auto store = storeFrom(completeStoreText(GoodSettings, GoodNumber));
  auto held = markedSettings();
  DialogSettingsState state;
  EXPECT_TRUE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held.Classes[0], (ClassAttributes{false, true, false, "000080", "c"}));
  EXPECT_EQ(held.Classes[1], (ClassAttributes{true, false, false, "00FF00", ""}));
  EXPECT_EQ(held.Classes[2], (ClassAttributes{true, true, true, "mark", ""}));
  EXPECT_EQ(held.StyleSheet, "a.css");
  EXPECT_EQ(held.DefaultColor, "");
  EXPECT_EQ(state.Mode, FormattingMode::InCode);
  EXPECT_EQ(state.TabSize, 2147483647);
  EXPECT_TRUE(state.LoadingFlag);
}

TEST(LoadFromRegistry, OnlyTheStyleKeyFindsSettingsButChoosesNoMode) {
  auto store = storeFrom("REGEDIT4\n" + Settings + "\\Style]\n\"Sheet\"=\"s.css\"\n");
  HeldSettings held;
  DialogSettingsState state;
  EXPECT_TRUE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held.Classes[0], ClassAttributes{});
  EXPECT_EQ(held.StyleSheet, "s.css");
  EXPECT_EQ(state.Mode, FormattingMode::None);
  EXPECT_EQ(state.TabSize, 2);
  EXPECT_FALSE(state.LoadingFlag);
}

struct StoppedLoad {
  const char* what;
  std::string settingsValues;
  std::string numberValues;
  std::string message;
  /// What was read before the error stays: the Number class's Bold and
  /// Color, the mode, the tab size and the default colour.
  bool numberBold;
  std::string numberColor;
  FormattingMode mode;
  std::int32_t tabSize;
  std::string defaultColor;
};

void PrintTo(const StoppedLoad& param, std::ostream* out) { *out << param.what; }

class StoppedLoads : public testing::TestWithParam<StoppedLoad> {};

TEST_P(StoppedLoads, StopAtTheFirstBadValueKeepingWhatWasRead) {
  const auto& expected = GetParam();
  auto store = storeFrom(completeStoreText(expected.settingsValues, expected.numberValues));
  auto held = markedSettings();
  DialogSettingsState state{FormattingMode::None, 2, false};
  try {
    LoadFromRegistry(store, held, state);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), expected.message);
  }
  EXPECT_EQ(held.Classes[0].Color, "000080");
  EXPECT_EQ(held.Classes[1].Bold, expected.numberBold);
  EXPECT_EQ(held.Classes[1].Color, expected.numberColor);
  EXPECT_EQ(state.Mode, expected.mode);
  EXPECT_EQ(state.TabSize, expected.tabSize);
  EXPECT_EQ(held.DefaultColor, expected.defaultColor);
}

INSTANTIATE_TEST_SUITE_P(
    LoadFromRegistry, StoppedLoads,
    testing::Values(StoppedLoad{"TabSizeDeleted",
                                "\"Incode\"=dword:1\n\"DefaultColor\"=\"FFFFFF\"\n", GoodNumber,
                                "Failed to get data for 'TabSize'", true, "00FF00",
                                FormattingMode::InCode, 2, "mark"},
                    StoppedLoad{"IncodeAsText", "\"Incode\"=\"1\"\n\"TabSize\"=dword:4\n",
                                GoodNumber, "Invalid data type for 'Incode'", true, "00FF00",
                                FormattingMode::None, 2, "mark"},
                    StoppedLoad{"ItalicMissing", GoodSettings,
                                "\"Bold\"=dword:0\n\"Underlined\"=dword:0\n\"Color\"=\"00FF00\"\n",
                                "Failed to get data for 'Italic'", false, "mark",
                                FormattingMode::None, 2, "mark"},
                    StoppedLoad{"ColorAsDword", GoodSettings,
                                "\"Bold\"=dword:0\n\"Italic\"=dword:0\n\"Underlined\"=dword:0\n"
                                "\"Color\"=dword:ff\n",
                                "Invalid data type for 'Color'", false, "mark",
                                FormattingMode::None, 2, "mark"}),
    [](const auto& test) { return std::string(test.param.what); });

TEST(WriteToRegistry, FirstConfirmationWritesAll24ValuesInOrder) {
  MemoryStore store;
  HeldSettings held;
  DialogSettingsState state;
  applyFirstRunDefaults(held, state);
  WriteToRegistry(store, held, state);

  const std::string key = "HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings";
  std::string expected =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Korvane]\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline]\r\n\r\n"
      "[" +
      key +
      "]\r\n"
      "\"Incode\"=dword:00000001\r\n\"TabSize\"=dword:00000002\r\n"
      "\"DefaultColor\"=\"000000\"\r\n\r\n"
      "[" +
      key + "\\InCode]\r\n\r\n";
  const char* classes[][2] = {
      {"Comment", "010"}, {"Number", "000"}, {"Reserved", "100"}, {"Strings", "000"}};
  for (const auto& [name, flags] : classes) {
    expected += "[" + key + "\\InCode\\" + name + "]\r\n";
    for (int i = 0; i < 3; ++i) {
      static const char* attributes[] = {"Bold", "Italic", "Underlined"};
      expected += "\"" + std::string(attributes[i]) + "\"=dword:0000000" +
                  std::string(1, flags[i]) + "\r\n";
    }
    expected += std::string("\"Color\"=\"") +
                (name == std::string("Reserved") ? "000000" : "000080") + "\"\r\n\r\n";
  }
  expected += "[" + key +
              "\\Style]\r\n\"Comment\"=\"\"\r\n\"Number\"=\"\"\r\n"
              "\"Reserved\"=\"\"\r\n\"Strings\"=\"\"\r\n\"Sheet\"=\"\"\r\n\r\n";
  EXPECT_EQ(formatRegFile(store.tree()), expected);
}

TEST(WriteToRegistry, ModeOtherThanInCodeWritesIncodeZeroAndIncodeFiveBecomesOne) {
  for (const auto& [storedIncode, writtenIncode] :
       {std::pair{"dword:5", "dword:00000001"}, std::pair{"dword:0", "dword:00000000"}}) {
    auto store = storeFrom(completeStoreText(
        "\"Incode\"=" + std::string(storedIncode) + "\n\"TabSize\"=dword:2\n", GoodNumber));
    HeldSettings held;
    DialogSettingsState state;
    LoadFromRegistry(store, held, state);
    WriteToRegistry(store, held, state);
    EXPECT_NE(formatRegFile(store.tree()).find("\"Incode\"=" + std::string(writtenIncode)),
              std::string::npos);
  }
  MemoryStore store;
  WriteToRegistry(store, HeldSettings{}, DialogSettingsState{});
  EXPECT_NE(formatRegFile(store.tree()).find("\"Incode\"=dword:00000000"), std::string::npos);
}

TEST(WriteToRegistry, Version5TextsCutInsideACharacterReadBackAsHeld) {
  // The colour is cut to six bytes, here inside a three-byte character.
  auto store = storeFrom("Windows Registry Editor Version 5.00\n" + Settings +
                         "\\InCode\\Strings]\n\"Bold\"=dword:0\n\"Italic\"=dword:0\n"
                         "\"Underlined\"=dword:0\n\"Color\"=\"0080\xe3\x82\x82\"\n");
  HeldSettings held;
  DialogSettingsState state;
  ASSERT_TRUE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(held.Classes[3].Color, "0080\xe3\x82");
  WriteToRegistry(store, held, state);
  HeldSettings reread;
  ASSERT_TRUE(LoadFromRegistry(store, reread, state));
  EXPECT_EQ(reread, held);
}

}  // namespace
