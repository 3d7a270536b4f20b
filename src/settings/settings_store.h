#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

/// The settings key of the current user; every key path starts with it.
inline constexpr const char* SettingsKey = "\\Software\\Korvane\\Tessaline\\Settings";

/// A registry-like store of keys and typed values, one open key at a time.
/// Read failures raise std::runtime_error with the exact messages
/// "Failed to get data for '<name>'" and "Invalid data type for '<name>'";
/// write failures "Failed to set data for '<name>'" (or, when the backing
/// file cannot be replaced, "Failed to set data for '<path>': <reason>").
///
/// Writes are grouped with beginWrite() and commitWrite(): the group takes
/// effect as one change (all its values or none), and abandonWrite() drops
/// it. A write outside a group takes effect at once. SettingsWriteBatch
/// wraps the three calls for a scope.
///
/// Reads are grouped with beginRead() and endRead(): a store that reads a
/// file reads it once for all the opens of the group instead of once per
/// open. SettingsReadGroup wraps the two calls for a scope.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  /// Opens the key at an absolute path such as SettingsKey + "\\Style";
  /// with create, makes it and every missing key on its path. True when open.
  virtual bool openKey(const std::string& path, bool create) = 0;
  /// A REG_DWORD read as a flag: any non-zero value is true.
  bool readFlag(const std::string& name) { return readInteger(name) != 0; }
  virtual std::int32_t readInteger(const std::string& name) = 0;
  /// REG_SZ or REG_EXPAND_SZ, up to the first zero byte; empty when absent.
  virtual std::string readText(const std::string& name) = 0;
  /// Whether the open key holds a value of that name, of any type.
  virtual bool hasValue(const std::string& name) = 0;
  /// Writes 1 or 0 as a REG_DWORD.
  void writeFlag(const std::string& name, bool value) { writeInteger(name, value ? 1 : 0); }
  virtual void writeInteger(const std::string& name, std::int32_t value) = 0;
  virtual void writeText(const std::string& name, const std::string& value) = 0;
  virtual void closeKey() = 0;

  /// Starts a group of writes; nothing of it is seen outside until commitWrite.
  virtual void beginWrite() {}
  /// Makes the group's writes take effect together, or raises and keeps none.
  virtual void commitWrite() {}
  /// Drops the group's writes.
  virtual void abandonWrite() noexcept {}

  /// Starts a group of reads, which see the store as it was at the group's
  /// first open; groups may nest.
  virtual void beginRead() {}
  /// Ends the group: the next open outside one reads the store afresh.
  virtual void endRead() noexcept {}
};

/// "Failed to get data for '<name>'": a flag or integer that is not there.
std::runtime_error failedToGetData(const std::string& name);
/// "Invalid data type for '<name>'": a value stored with another type.
std::runtime_error invalidDataType(const std::string& name);
/// "Failed to set data for '<name>'": a value that cannot be written.
std::runtime_error failedToSetData(const std::string& name);

/// A key opened for one scope and closed at its end, also when a read raises.
class OpenedKey {
 public:
  OpenedKey(SettingsStore& store, const std::string& path, bool create = false);
  ~OpenedKey();
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  /// True when the key opened.
  explicit operator bool() const { return open_; }

 private:
  SettingsStore& store_;
  bool open_;
};

/// A group of reads for one scope: one look at the store for all its opens.
class SettingsReadGroup {
 public:
  explicit SettingsReadGroup(SettingsStore& store) : store_(store) { store_.beginRead(); }
  ~SettingsReadGroup() { store_.endRead(); }
  SettingsReadGroup(const SettingsReadGroup&) = delete;
  SettingsReadGroup& operator=(const SettingsReadGroup&) = delete;

 private:
  SettingsStore& store_;
};

/// A group of writes for one scope: commit() makes them take effect
/// together; leaving the scope without commit() drops them.
class SettingsWriteBatch {
 public:
  explicit SettingsWriteBatch(SettingsStore& store);
  ~SettingsWriteBatch();
  SettingsWriteBatch(const SettingsWriteBatch&) = delete;
  SettingsWriteBatch& operator=(const SettingsWriteBatch&) = delete;

  void commit();

 private:
  SettingsStore& store_;
  bool done_ = false;
};
