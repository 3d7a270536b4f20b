#include "settings/registry_store.h"

#include "settings/reg_key_tree.h"

namespace {

/// The path below the root: the store's paths start with a backslash, the
/// registry's subkey names do not.
const char* subkeyOf(const std::string& path) {
  return path.c_str() + (path.starts_with('\\') ? 1 : 0);
}

}  // namespace

RegistryStore::RegistryStore(HKEY root) : root_(root) {}

RegistryStore::~RegistryStore() { closeKey(); }

bool RegistryStore::openKey(const std::string& path, bool create) {
  HKEY key = nullptr;
  const LONG status =
      create ? ::RegCreateKeyExA(root_, subkeyOf(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
             : ::RegOpenKeyExA(root_, subkeyOf(path), 0, KEY_READ, &key);
  if (status != ERROR_SUCCESS) return false;
  closeKey();
  open_ = key;
  return true;
}

std::optional<RegistryStore::Value> RegistryStore::queryValue(const std::string& name) const {
  if (open_ == nullptr) throw failedToGetData(name);
  Value value{REG_NONE, {}};
  // The value may grow between asking its size and reading it.
  for (;;) {
    DWORD size = static_cast<DWORD>(value.data.size());
    const LONG status = ::RegQueryValueExA(open_, name.c_str(), nullptr, &value.type,
                                           reinterpret_cast<BYTE*>(value.data.data()), &size);
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status == ERROR_MORE_DATA) {
      value.data.resize(size);
      continue;
    }
    if (status != ERROR_SUCCESS) throw failedToGetData(name);
    value.data.resize(size);
    return value;
  }
}

bool RegistryStore::hasValue(const std::string& name) { return queryValue(name).has_value(); }

std::int32_t RegistryStore::readInteger(const std::string& name) {
  const auto value = queryValue(name);
  if (!value) throw failedToGetData(name);
  if (value->type != REG_DWORD) throw invalidDataType(name);
  if (value->data.size() != sizeof(std::int32_t)) throw failedToGetData(name);
  return static_cast<std::int32_t>(dwordNumber(value->data));
}

std::string RegistryStore::readText(const std::string& name) {
  const auto value = queryValue(name);
  if (!value) return {};
  if (value->type != REG_SZ && value->type != REG_EXPAND_SZ) throw invalidDataType(name);
  return regTextOf(value->data, false);
}

void RegistryStore::setValue(const std::string& name, DWORD type, const std::string& data) {
  if (open_ == nullptr ||
      ::RegSetValueExA(open_, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
    throw failedToSetData(name);
}

void RegistryStore::writeInteger(const std::string& name, std::int32_t value) {
  setValue(name, REG_DWORD, dwordData(static_cast<std::uint32_t>(value)));
}

void RegistryStore::writeText(const std::string& name, const std::string& value) {
  setValue(name, REG_SZ, regTextData(value, false));
}

void RegistryStore::closeKey() noexcept {
  if (open_ != nullptr) ::RegCloseKey(open_);
  open_ = nullptr;
}
