#pragma once

#include "settings/settings_store.h"

#include <string>

/// $XDG_CONFIG_HOME/Korvane/Tessaline.reg, or ~/.config/Korvane/Tessaline.reg.
std::string defaultSettingsFilePath();

/// The settings store kept in a REGEDIT4 text file, read afresh by every
/// open and replaced atomically by every committed write.
class RegFileStore : public SettingsStore {
public:
  explicit RegFileStore(std::string path);
};
