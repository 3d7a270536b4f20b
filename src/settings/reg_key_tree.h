#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Registry value types known by number.
enum RegType : std::uint32_t { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4 };

/// The four little-endian data bytes of a REG_DWORD.
std::string dwordData(std::uint32_t number);
/// The number held by four little-endian bytes.
std::uint32_t dwordNumber(std::string_view data);

/// True when two key or value names are equal ignoring the case of A to Z.
bool sameRegName(std::string_view a, std::string_view b);

/// One named value: its registry type and its data bytes as the registry
/// holds them (a REG_SZ text with its terminating zero byte, a REG_DWORD as
/// four little-endian bytes).
struct RegValue {
  std::string name;
  std::uint32_t type = RegSz;
  std::string data;

  bool operator==(const RegValue&) const = default;
};

/// One key: its full path (such as "HKEY_CURRENT_USER\Software") and its
/// values in the order they were first written.
struct RegKey {
  std::string path;
  std::vector<RegValue> values;

  /// The value of that name, or null.
  const RegValue* findValue(std::string_view name) const;
  /// Replaces the value of the same name where it stands, or appends it.
  void setValue(RegValue value);

  bool operator==(const RegKey&) const = default;
};

/// The keys of a registry file in the order they were read or made.
class RegKeyTree {
 public:
  const RegKey* findKey(std::string_view path) const;
  RegKey* findKey(std::string_view path);
  /// The key of that path, appended when missing; its parents are not made.
  RegKey& addKey(std::string_view path);
  /// The key of that path, made when missing together with every missing
  /// key on its path below the hive (the hive itself has no block).
  RegKey& createKey(std::string_view path);
  /// Every key, each one's parents before it; otherwise in tree order.
  std::vector<const RegKey*> keysParentsFirst() const;

  const std::vector<RegKey>& keys() const { return keys_; }

  bool operator==(const RegKeyTree&) const = default;

 private:
  std::vector<RegKey> keys_;
};
