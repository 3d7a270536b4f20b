#pragma once

#include "settings/key_tree_store.h"

#include <cstdint>
#include <optional>
#include <string>

/// $XDG_CONFIG_HOME/Korvane/Tessaline.reg, or ~/.config/Korvane/Tessaline.reg
/// (not on Windows, where the settings live in the registry).
std::string defaultSettingsFilePath();

/// The largest settings file read: a whole registry export is a few MB.
inline constexpr std::uint64_t MaxSettingsFileSize = 16 << 20;

/// The settings store kept in a registry file, read afresh by every open
/// (once for a read group) and replaced atomically by every committed write,
/// in the form it had (a new file is REGEDIT4). A missing file is an empty
/// store. Only a regular file of at most MaxSettingsFileSize is read: any
/// other raises "Cannot read settings file '<path>': Not a regular file" or
/// "...: File too large". A file that cannot be parsed makes every read
/// raise "Cannot read settings file '<path>', line <n>: <what is wrong>";
/// the next committed write first keeps it as <path>.bak, or where that is
/// taken as the first free <path>.<n>.bak (n = 1, 2, ...). Keys, values and
/// ; comments that the program does not know survive a write where they stood.
class RegFileStore : public KeyTreeStore {
 public:
  explicit RegFileStore(std::string path);

  const std::string& path() const { return path_; }

 protected:
  RegKeyTree loadTree() override;
  RegKeyTree loadTreeForWriting() override;
  void saveTree(const RegKeyTree& tree) override;

 private:
  /// The file's bytes, or nothing when it is missing. A file that cannot be
  /// read raises the read error, or forWriting the write error.
  std::optional<std::string> readBytes(bool forWriting) const;

  std::string path_;
  /// The bytes of an unparseable file that the next save keeps as .bak.
  std::optional<std::string> unparseable_;
};
