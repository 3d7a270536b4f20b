#include "settings/memory_store.h"
#include "store_text.h"

#include <gtest/gtest.h>

namespace {

// What every store does is tested in store_contract_test.cpp.

TEST(MemoryStore, OnlyAKeyWithItsOwnBlockOpens) {
  auto store =
      storeFrom("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings\\Style]\n");
  EXPECT_FALSE(store.openKey(SettingsKey, false));
  EXPECT_FALSE(store.openKey("\\Software", false));
  EXPECT_TRUE(store.openKey(std::string(SettingsKey) + "\\Style", false));
  EXPECT_EQ(store.tree().keys().size(), 1u);
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
