#include "test_registry_key.h"

#include "settings/key_tree_store.h"

#include <atomic>
#include <stdexcept>

namespace {

/// The key below which every test makes its own.
constexpr const char* TestsKey = "Software\\Tessaline tests";

/// Closes a key at the end of the scope.
struct KeyCloser {
  HKEY key;
  ~KeyCloser() { ::RegCloseKey(key); }
};

void check(LONG status, const char* what) {
  if (status != ERROR_SUCCESS)
    throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
}

}  // namespace

TestRegistryKey::TestRegistryKey() {
  static std::atomic<int> count{0};
  path_ = std::string(TestsKey) + "\\" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(count++);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  check(::RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &root_, nullptr),
        "RegCreateKeyExA");
}

TestRegistryKey::~TestRegistryKey() {
  ::RegCloseKey(root_);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  // Goes only when no other test's key stands below it.
  ::RegDeleteKeyA(HKEY_CURRENT_USER, TestsKey);
}

HKEY TestRegistryKey::createKey(const std::string& keyPath) const {
  HKEY key = nullptr;
  const char* subkey = keyPath.c_str() + (keyPath.starts_with('\\') ? 1 : 0);
  check(::RegCreateKeyExA(root_, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        "RegCreateKeyExA");
  return key;
}

void TestRegistryKey::import(const RegKeyTree& tree) const {
  const std::string hive = CurrentUserHive;
  for (const RegKey& key : tree.keys()) {
    const std::string keyPath = key.path().substr(hive.size());
    ::RegCloseKey(createKey(keyPath));
    for (const RegValue& value : key.values())
      setValue(keyPath, value.name, value.type, value.data);
  }
}

void TestRegistryKey::setValue(const std::string& keyPath, const std::string& name, DWORD type,
                               const std::string& data) const {
  const KeyCloser key{createKey(keyPath)};
  check(::RegSetValueExA(key.key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(data.size())),
        "RegSetValueExA");
}

void TestRegistryKey::setWideText(const std::string& keyPath, const std::string& name, DWORD type,
                                  const std::wstring& text) const {
  const KeyCloser key{createKey(keyPath)};
  const std::wstring wideName(name.begin(), name.end());
  check(::RegSetValueExW(key.key, wideName.c_str(), 0, type,
                         reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
        "RegSetValueExW");
}

std::pair<DWORD, DWORD> TestRegistryKey::typeAndSize(const std::string& keyPath,
                                                     const std::string& name) const {
  const KeyCloser key{createKey(keyPath)};
  DWORD type = REG_NONE;
  DWORD size = 0;
  check(::RegQueryValueExA(key.key, name.c_str(), nullptr, &type, nullptr, &size),
        "RegQueryValueExA");
  return {type, size};
}
