#include "settings/registry_store.h"
#include "error_of.h"
#include "settings/reg_file_format.h"
#include "store_contract.h"
#include "test_registry_key.h"

#include <gtest/gtest.h>

namespace {

/// Keys in a test key of the registry.
class RegistryBacking : public StoreBacking {
 public:
  explicit RegistryBacking(const std::string& text) { key_.import(parseRegFile(text)); }
  std::shared_ptr<SettingsStore> open() override {
    return std::make_shared<RegistryStore>(key_.root());
  }

 private:
  TestRegistryKey key_;
};

INSTANTIATE_STORE_CONTRACT(RegistryStore,
                           (StoreKind{"RegistryStore", [](const std::string& text) {
                                        return std::make_unique<RegistryBacking>(text);
                                      }}));

class RegistryStoreTest : public testing::Test {
 protected:
  TestRegistryKey key;
  RegistryStore store{key.root()};
};

struct WrongType {
  DWORD type;
  std::string data;
};

TEST_F(RegistryStoreTest, TypesTheFileCannotHoldAreInvalidForEveryRead) {
  const WrongType wrongTypes[] = {
      {REG_QWORD, std::string(8, '\1')},          {REG_DWORD_BIG_ENDIAN, std::string(4, '\1')},
      {REG_MULTI_SZ, std::string("a\0b\0\0", 5)}, {REG_NONE, std::string(4, '\1')},
      {REG_LINK, std::string(4, '\1')},
  };
  for (const WrongType& wrong : wrongTypes) {
    key.setValue(SettingsKey, "Value", wrong.type, wrong.data);
    ASSERT_TRUE(store.openKey(SettingsKey, false));
    EXPECT_EQ(errorOf([&] { store.readFlag("Value"); }), "Invalid data type for 'Value'")
        << wrong.type;
    EXPECT_EQ(errorOf([&] { store.readInteger("Value"); }), "Invalid data type for 'Value'")
        << wrong.type;
    EXPECT_EQ(errorOf([&] { store.readText("Value"); }), "Invalid data type for 'Value'")
        << wrong.type;
  }
}

TEST_F(RegistryStoreTest, DwordOfEightBytesCannotBeRead) {
  key.setValue(SettingsKey, "TabSize", REG_DWORD, std::string(8, '\0'));
  ASSERT_TRUE(store.openKey(SettingsKey, false));
  EXPECT_EQ(errorOf([&] { store.readInteger("TabSize"); }), "Failed to get data for 'TabSize'");
}

TEST_F(RegistryStoreTest, MissingKeyDoesNotOpenAndLeavesTheOpenKeyOpen) {
  key.setValue(SettingsKey, "TabSize", REG_DWORD, dwordData(4));
  ASSERT_TRUE(store.openKey(SettingsKey, false));
  EXPECT_FALSE(store.openKey(std::string(SettingsKey) + "\\Style", false));
  EXPECT_EQ(store.readInteger("TabSize"), 4);
  RegistryStore fresh(key.root());
  EXPECT_FALSE(fresh.openKey(std::string(SettingsKey) + "\\Style", false));
}

TEST_F(RegistryStoreTest, AKeyExistsWhenTheRegistryHasItEvenWithoutValues) {
  key.setValue(std::string(SettingsKey) + "\\Style", "Sheet", REG_SZ, std::string("a.css", 6));
  EXPECT_TRUE(store.openKey(SettingsKey, false)) << "made as the parent of Style";
  EXPECT_EQ(errorOf([&] { store.readInteger("TabSize"); }), "Failed to get data for 'TabSize'");
  EXPECT_EQ(store.readText("DefaultColor"), "");
}

TEST_F(RegistryStoreTest, ExpandableTextIsReadAsStoredNotExpanded) {
  const std::string styleKey = std::string(SettingsKey) + "\\Style";
  key.setWideText(styleKey, "Sheet", REG_EXPAND_SZ, L"%USERPROFILE%\\Styles\\caf\u00E9.css");
  key.setWideText(styleKey, "Comment", REG_SZ, L"pas-\u00E9");
  ASSERT_TRUE(store.openKey(styleKey, false));
  EXPECT_EQ(store.readText("Sheet"), "%USERPROFILE%\\Styles\\caf\xE9.css");
  EXPECT_EQ(store.readText("Comment"), "pas-\xE9");
}

TEST_F(RegistryStoreTest, WritesDwordsAndTextsWithTheirZero) {
  ASSERT_TRUE(store.openKey(SettingsKey, true));
  store.writeFlag("Incode", true);
  store.writeInteger("TabSize", 4);
  store.writeText("DefaultColor", "000080");
  EXPECT_EQ(key.typeAndSize(SettingsKey, "Incode"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
  EXPECT_EQ(key.typeAndSize(SettingsKey, "TabSize"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
  EXPECT_EQ(key.typeAndSize(SettingsKey, "DefaultColor"), std::make_pair(DWORD{REG_SZ}, DWORD{7}));
}

}  // namespace
