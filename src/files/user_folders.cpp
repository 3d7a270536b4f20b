#include "files/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

std::string xdgFolder(const char* variable) {
  const char* folder = std::getenv(variable);
  return folder != nullptr && *folder == '/' ? folder : "";
}
