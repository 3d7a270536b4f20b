#include "store_contract.h"

#include "error_of.h"
#include "settings/memory_store.h"
#include "settings/reg_file_store.h"
#include "store_text.h"
#include "test_files.h"

#include <climits>

namespace {

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

const FailingRead FailingReads[] = {
    {"missing flag", [](SettingsStore& s) { s.readFlag("Bold"); }, "Failed to get data for 'Bold'"},
    {"missing integer", [](SettingsStore& s) { s.readInteger("TabSize"); },
     "Failed to get data for 'TabSize'"},
    {"flag stored as text", [](SettingsStore& s) { s.readFlag("Text"); },
     "Invalid data type for 'Text'"},
    {"integer stored as binary", [](SettingsStore& s) { s.readInteger("Binary"); },
     "Invalid data type for 'Binary'"},
    {"dword of two bytes", [](SettingsStore& s) { s.readInteger("Short"); },
     "Failed to get data for 'Short'"},
    {"text stored as dword", [](SettingsStore& s) { s.readText("Flag"); },
     "Invalid data type for 'Flag'"},
    {"text stored as binary", [](SettingsStore& s) { s.readText("Binary"); },
     "Invalid data type for 'Binary'"},
};

TEST_P(StoreContract, FailingReadsRaiseTheExactMessage) {
  const auto backing = GetParam().make(StoreText);
  const auto store = backing->open();
  ASSERT_TRUE(store->openKey(SettingsKey, false));
  for (const FailingRead& failing : FailingReads)
    EXPECT_EQ(errorOf([&] { failing.read(*store); }), backing->readFailure(failing.message))
        << failing.what;
}

TEST_P(StoreContract, ReadsValuesOfEveryAcceptedForm) {
  const auto backing = GetParam().make(StoreText);
  const auto store = backing->open();
  ASSERT_TRUE(store->openKey("\\software\\KORVANE\\tessaline\\settings", false));
  EXPECT_TRUE(store->readFlag("flag"));
  EXPECT_FALSE(store->readFlag("Zero"));
  EXPECT_EQ(store->readInteger("FLAG"), 5);
  EXPECT_EQ(store->readText("Text"), "say \"hi\" in C:\\web");
  EXPECT_EQ(store->readText("Expand"), "%A%");
  EXPECT_EQ(store->readText("Unended"), "ab");
  EXPECT_EQ(store->readText("Absent"), "");
}

TEST_P(StoreContract, NothingReadsOrWritesWithoutAnOpenKey) {
  const auto backing = GetParam().make("REGEDIT4\n");
  const auto store = backing->open();
  EXPECT_FALSE(store->openKey(SettingsKey, false));
  EXPECT_EQ(errorOf([&] { store->readInteger("TabSize"); }),
            backing->readFailure("Failed to get data for 'TabSize'"));
  EXPECT_EQ(errorOf([&] { store->readText("Sheet"); }),
            backing->readFailure("Failed to get data for 'Sheet'"));
  EXPECT_EQ(errorOf([&] { store->writeText("Sheet", "x"); }), "Failed to set data for 'Sheet'");
  EXPECT_FALSE(backing->open()->openKey(SettingsKey, false)) << "a failed open made the key";
}

TEST_P(StoreContract, WrittenValuesReadBackInAnotherStore) {
  const auto backing = GetParam().make("REGEDIT4\n");
  const std::string commentKey = std::string(SettingsKey) + "\\InCode\\Comment";
  {
    const auto store = backing->open();
    OpenedKey key(*store, commentKey, true);
    ASSERT_TRUE(key);
    store->writeFlag("Bold", true);
    store->writeInteger("Bold", INT_MIN);
    store->writeInteger("Size", -5);
    store->writeText("Color", "a\xE9\"\\b");
    store->writeText("Empty", "");
  }
  const auto store = backing->open();
  ASSERT_TRUE(store->openKey(commentKey, false));
  EXPECT_EQ(store->readInteger("Bold"), INT_MIN);
  EXPECT_TRUE(store->readFlag("Bold"));
  EXPECT_EQ(store->readInteger("Size"), -5);
  EXPECT_EQ(store->readText("Color"), "a\xE9\"\\b");
  EXPECT_EQ(store->readText("Empty"), "");
  EXPECT_EQ(errorOf([&] { store->readFlag("Empty"); }),
            backing->readFailure("Invalid data type for 'Empty'"));
  EXPECT_TRUE(store->openKey(SettingsKey, false)) << "a created key's parents exist";
}

TEST_P(StoreContract, AWriteReplacesAValueOfAnotherType) {
  const auto backing = GetParam().make(StoreText);
  const auto store = backing->open();
  ASSERT_TRUE(store->openKey(SettingsKey, true));
  store->writeText("Flag", "now text");
  store->writeInteger("Binary", 7);
  EXPECT_EQ(store->readText("Flag"), "now text");
  EXPECT_EQ(store->readInteger("Binary"), 7);
}

/// A store in memory: every open() gives the same store, which reads its
/// committed keys afresh at every open of a key.
class MemoryBacking : public StoreBacking {
 public:
  explicit MemoryBacking(const std::string& text)
      : store_(std::make_shared<MemoryStore>(storeFrom(text))) {}
  std::shared_ptr<SettingsStore> open() override { return store_; }

 private:
  std::shared_ptr<MemoryStore> store_;
};

/// A REGEDIT4 file in a folder of its own.
class FileBacking : public StoreBacking {
 public:
  explicit FileBacking(const std::string& text) { writeBytes(path_, text); }
  std::shared_ptr<SettingsStore> open() override { return std::make_shared<RegFileStore>(path_); }
  std::string readFailure(const std::string& message) const override {
    return "Cannot read settings file '" + path_ + "': " + message;
  }

 private:
  TempFolder folder_;
  std::string path_ = folder_.file("Tessaline.reg");
};

INSTANTIATE_STORE_CONTRACT(MemoryStore, (StoreKind{"MemoryStore", [](const std::string& text) {
                                                     return std::make_unique<MemoryBacking>(text);
                                                   }}));
INSTANTIATE_STORE_CONTRACT(RegFileStore, (StoreKind{"RegFileStore", [](const std::string& text) {
                                                      return std::make_unique<FileBacking>(text);
                                                    }}));

}  // namespace
