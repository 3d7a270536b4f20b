#pragma once

#include <cstdint>
#include <string>

/// The settings key of the current user; every key path starts with it.
inline constexpr const char* SettingsKey = "\\Software\\Korvane\\Tessaline\\Settings";

/// A registry-like store of keys and typed values, one open key at a time.
/// Read failures raise std::runtime_error with the exact messages
/// "Failed to get data for '<name>'" and "Invalid data type for '<name>'";
/// write failures "Failed to set data for '<name>'" (or, when the backing
/// file cannot be replaced, "Failed to set data for '<path>': <reason>").
class SettingsStore {
public:
  virtual ~SettingsStore() = default;

  /// Opens the key at an absolute path such as SettingsKey + "\\Style";
  /// with create, makes it and every missing key on its path. True when open.
  virtual bool openKey(const std::string& path, bool create) = 0;
  /// A REG_DWORD read as a flag: any non-zero value is true.
  virtual bool readFlag(const std::string& name) = 0;
  virtual std::int32_t readInteger(const std::string& name) = 0;
  /// REG_SZ or REG_EXPAND_SZ, up to the first zero byte; empty when absent.
  virtual std::string readText(const std::string& name) = 0;
  virtual void writeFlag(const std::string& name, bool value) = 0;
  virtual void writeInteger(const std::string& name, std::int32_t value) = 0;
  virtual void writeText(const std::string& name, const std::string& value) = 0;
  virtual void closeKey() = 0;
};
