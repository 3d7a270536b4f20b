#pragma once

#include "settings/key_tree_store.h"

#include <cstdint>
#include <optional>
#include <string>

/// $XDG_CONFIG_HOME/Korvane/Tessaline.reg, or ~/.config/Korvane/Tessaline.reg
/// (not on Windows, where the settings live in the registry).
std::string defaultSettingsFilePath();

/// The largest settings file read: room for a whole registry export of
/// 200,000 keys, which a version 5 export (UTF-16) holds in about 40 MB.
inline constexpr std::uint64_t MaxSettingsFileSize = 64 << 20;

/// The settings store kept in a registry file, read afresh by every open
/// (once for a read group) and replaced atomically by every committed write,
/// in the form it had (a new file is REGEDIT4); a read reads the file but
/// parses it only when its bytes differ from those it last read or wrote.
/// A missing file is an empty
/// store. Only a regular file of at most MaxSettingsFileSize is read: any
/// other raises "Cannot read settings file '<path>': Not a regular file" or
/// "...: File too large". A file that cannot be parsed makes every read
/// raise "Cannot read settings file '<path>', line <n>: <what is wrong>";
/// the next committed write first keeps it as <path>.bak, or where that is
/// taken as the first free <path>.<n>.bak (n = 1, 2, ...). Keys, values and
/// ; comments that the program does not know survive a write where they stood. A value
/// that is missing or of the wrong type names the file too: "Cannot read settings file
/// '<path>': Invalid data type for 'TabSize'".
class RegFileStore : public KeyTreeStore {
 public:
  explicit RegFileStore(std::string path);

  const std::string& path() const { return path_; }

  std::int32_t readInteger(const std::string& name) override;
  std::string readText(const std::string& name) override;

 protected:
  RegKeyTree loadTree() override;
  RegKeyTree loadTreeForWriting() override;
  void saveTree(const RegKeyTree& tree) override;
  bool backingUnchanged() override;

 private:
  /// The file's bytes, or nothing when it is missing. A file that cannot be
  /// read raises the read error, or forWriting the write error.
  std::optional<std::string> readBytes(bool forWriting) const;

  std::string path_;
  /// The bytes of an unparseable file that the next save keeps as .bak.
  std::optional<std::string> unparseable_;
  /// The file's bytes as the last load parsed them or the last save wrote them.
  std::optional<std::string> known_;
  /// The bytes backingUnchanged read, for the loadTree after it.
  std::optional<std::optional<std::string>> readAhead_;
};
