#include "settings/view_options.h"
#include "settings/get_tags.h"
#include "settings/settings_io.h"
#include "store_text.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewOptions, ReadWhatWasWrittenAndNothingElse) {
  MemoryStore store;
  EXPECT_EQ(readViewOptions(store), ViewOptions{});
  writeViewOption(store, &ViewOptions::HighlightSource, false);
  writeViewOption(store, &ViewOptions::LineNumbers, true);
  EXPECT_EQ(readViewOptions(store), (ViewOptions{false, false, true}));
  // The settings' own keys stay as they were: a store of view options alone
  // still gives the classic tag set and the dialog's first-run defaults.
  TagSet tags;
  GetTags(store, tags);
  EXPECT_TRUE(tags.Incode);
  EXPECT_EQ(tags.ReservedOpen, "<b>");
  HeldSettings held;
  DialogSettingsState state;
  EXPECT_FALSE(LoadFromRegistry(store, held, state));
  EXPECT_EQ(store.tree().findKey("HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings"),
            nullptr);
}

TEST(ViewOptions, AValueOfAnotherTypeIsAnError) {
  auto store = storeFrom(
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\View]\n"
      "\"ConvertAsYouType\"=\"1\"\n");
  try {
    readViewOptions(store);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'ConvertAsYouType'");
  }
}

}  // namespace
