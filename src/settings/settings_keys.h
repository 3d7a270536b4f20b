#pragma once

#include "settings/held_settings.h"
#include "settings/settings_store.h"

#include <string>

/// The name of a token class's in-code subkey and of its value under "Style".
inline const char* storeName(TokenClass tokenClass) {
  static constexpr const char* Names[TokenClassCount] = {"Comment", "Number", "Reserved",
                                                         "Strings"};
  return Names[static_cast<int>(tokenClass)];
}

/// The key of one class's in-code attributes, such as Settings\InCode\Comment.
inline std::string inCodeKeyPath(TokenClass tokenClass) {
  return std::string(SettingsKey) + "\\InCode\\" + storeName(tokenClass);
}

/// The key of the style-sheet class names and the sheet.
inline std::string styleKeyPath() { return std::string(SettingsKey) + "\\Style"; }
