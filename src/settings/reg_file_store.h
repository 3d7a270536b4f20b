#pragma once

#include "settings/key_tree_store.h"

#include <optional>
#include <string>

/// $XDG_CONFIG_HOME/Korvane/Tessaline.reg, or ~/.config/Korvane/Tessaline.reg
/// (not on Windows, where the settings live in the registry).
std::string defaultSettingsFilePath();

/// The settings store kept in a registry file, read afresh by every open and
/// replaced atomically by every committed write, in the form it had (a new
/// file is REGEDIT4). A missing file is an empty store. A file that cannot be parsed makes every
/// read raise "Cannot read settings file '<path>', line <n>: <what is wrong>"; the next committed
/// write first keeps it as <path>.bak. A value that is missing or of the wrong type names the file
/// too: "Cannot read settings file '<path>': Invalid data type for 'TabSize'". Keys and values the
/// program does not know survive a write; ; comments do not.
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

 private:
  /// The file's bytes, or nothing when it is missing. A file that cannot be
  /// read raises the read error, or forWriting the write error.
  std::optional<std::string> readBytes(bool forWriting) const;

  std::string path_;
  /// The bytes of an unparseable file that the next save keeps as .bak.
  std::optional<std::string> unparseable_;
};
