// Where the user's settings file lives on POSIX systems; on Windows the
// settings live in the registry.

#include "settings/reg_file_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr ? user->pw_dir : "";
}

std::string configFolder() {
  // A relative XDG_CONFIG_HOME is to be ignored, as an unset one.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
    return config;
  }
  return homeFolder() + "/.config";
}

}  // namespace

std::string defaultSettingsFilePath() { return configFolder() + "/Korvane/Tessaline.reg"; }
