#include "settings/memory_store.h"
#include "store_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace std::string_literals;

const std::string StoreText = R"(REGEDIT4
[HKEY_CURRENT_USER\Software\Korvane\Tessaline\Settings]
"Flag"=dword:00000005
"Zero"=dword:00000000
"Text"="say \"hi\" in C:\\web"
"Expand"=hex(2):25,41,25,00,42,00
"Unended"=hex(1):61,62
"Short"=hex(4):01,00
"Binary"=hex:01,00,00,00
)";

struct FailingRead {
  const char* what;
  std::function<void(SettingsStore&)> read;
  std::string message;
};

void PrintTo(const FailingRead& param, std::ostream* out) { *out << param.what; }

class FailingReads : public testing::TestWithParam<FailingRead> {};

TEST_P(FailingReads, RaiseTheExactMessage) {
  auto store = storeFrom(StoreText);
  ASSERT_TRUE(store.openKey(SettingsKey, false));
  try {
    GetParam().read(store);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MemoryStore, FailingReads,
    testing::Values(
        FailingRead{"missing flag", [](SettingsStore& s) { s.readFlag("Bold"); },
                    "Failed to get data for 'Bold'"},
        FailingRead{"missing integer", [](SettingsStore& s) { s.readInteger("TabSize"); },
                    "Failed to get data for 'TabSize'"},
        FailingRead{"flag stored as text", [](SettingsStore& s) { s.readFlag("Text"); },
                    "Invalid data type for 'Text'"},
        FailingRead{"integer stored as binary", [](SettingsStore& s) { s.readInteger("Binary"); },
                    "Invalid data type for 'Binary'"},
        FailingRead{"dword of two bytes", [](SettingsStore& s) { s.readInteger("Short"); },
                    "Failed to get data for 'Short'"},
        FailingRead{"text stored as dword", [](SettingsStore& s) { s.readText("Flag"); },
                    "Invalid data type for 'Flag'"},
        FailingRead{"text stored as binary", [](SettingsStore& s) { s.readText("Binary"); },
                    "Invalid data type for 'Binary'"}),
    [](const auto& info) {
      std::string name = info.param.what;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST(MemoryStore, ReadsValuesOfEveryAcceptedForm) {
  auto store = storeFrom(StoreText);
  ASSERT_TRUE(store.openKey("\\software\\KORVANE\\tessaline\\settings", false));
  EXPECT_TRUE(store.readFlag("flag"));
  EXPECT_FALSE(store.readFlag("Zero"));
  EXPECT_EQ(store.readInteger("FLAG"), 5);
  EXPECT_EQ(store.readText("Text"), "say \"hi\" in C:\\web");
  EXPECT_EQ(store.readText("Expand"), "%A%");
  EXPECT_EQ(store.readText("Unended"), "ab");
  EXPECT_EQ(store.readText("Absent"), "");
}

TEST(MemoryStore, OnlyAKeyWithItsOwnBlockOpens) {
  auto store =
      storeFrom("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings\\Style]\n");
  EXPECT_FALSE(store.openKey(SettingsKey, false));
  EXPECT_FALSE(store.openKey("\\Software", false));
  EXPECT_TRUE(store.openKey(std::string(SettingsKey) + "\\Style", false));
  EXPECT_EQ(store.tree().keys().size(), 1u);
}

TEST(MemoryStore, WriteWithoutAnOpenKeyFails) {
  MemoryStore store;
  try {
    store.writeText("Sheet", "x");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'Sheet'");
  }
}

TEST(MemoryStore, BatchTakesEffectOnlyWhenCommitted) {
  MemoryStore store;
  {
    SettingsWriteBatch batch(store);
    OpenedKey key(store, SettingsKey, true);
    store.writeFlag("Incode", true);
    EXPECT_TRUE(store.tree().keys().empty());
    EXPECT_TRUE(store.readFlag("Incode"));
  }
  EXPECT_TRUE(store.tree().keys().empty());
  {
    SettingsWriteBatch batch(store);
    OpenedKey key(store, SettingsKey, true);
    store.writeFlag("Incode", true);
    batch.commit();
  }
  EXPECT_NE(store.tree().findKey("HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings"),
            nullptr);
}

}  // namespace
