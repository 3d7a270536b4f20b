#pragma once

#include "settings/settings_store.h"

#include <windows.h>

#include <optional>
#include <string>

/// The settings store in the Windows registry, below HKEY_CURRENT_USER or,
/// for tests, below another open key. Keys and values go through the ANSI
/// functions, so a text is the same bytes that a REGEDIT4 file imported by
/// the registry editor holds. Every write takes effect at once: the registry
/// has no group of writes that Wine and every Windows version keep, so a
/// write group is not one change here, and a failed write keeps those before
/// it. Opening a key releases the one open before.
class RegistryStore : public SettingsStore {
 public:
  /// The key that the store's absolute paths (SettingsKey...) stand below;
  /// the store does not close it.
  explicit RegistryStore(HKEY root = HKEY_CURRENT_USER);
  ~RegistryStore() override;
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  bool openKey(const std::string& path, bool create) override;
  std::int32_t readInteger(const std::string& name) override;
  std::string readText(const std::string& name) override;
  bool hasValue(const std::string& name) override;
  void writeInteger(const std::string& name, std::int32_t value) override;
  void writeText(const std::string& name, const std::string& value) override;
  void closeKey() noexcept override;

 private:
  /// A value's registry type and data bytes.
  struct Value {
    DWORD type;
    std::string data;
  };

  /// The named value of the open key, or nothing when it is absent; no open
  /// key or a failed read raises "Failed to get data for '<name>'".
  std::optional<Value> queryValue(const std::string& name) const;
  void setValue(const std::string& name, DWORD type, const std::string& data);

  HKEY root_;
  HKEY open_ = nullptr;
};
