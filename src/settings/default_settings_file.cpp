// Where the user's settings file lives on POSIX systems; on Windows the
// settings live in the registry.

#include "files/user_folders.h"
#include "settings/reg_file_store.h"

namespace {

std::string configFolder() {
  const std::string config = xdgFolder("XDG_CONFIG_HOME");
  return config.empty() ? homeFolder() + "/.config" : config;
}

}  // namespace

std::string defaultSettingsFilePath() { return configFolder() + "/Korvane/Tessaline.reg"; }
