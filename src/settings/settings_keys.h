#pragma once

#include "settings/settings_store.h"
#include "settings/theme.h"

#include <string>

// The store's names for the settings: the one place that spells them.

/// Values of the Settings key.
inline constexpr const char* IncodeValue = "Incode";
inline constexpr const char* TabSizeValue = "TabSize";
inline constexpr const char* DefaultColorValue = "DefaultColor";
/// The style sheet's value under "Style".
inline constexpr const char* SheetValue = "Sheet";
/// A class's colour under its in-code key.
inline constexpr const char* ColorValue = "Color";

/// A class's in-code flag: its value under the class's in-code key and the
/// attribute it holds.
struct InCodeFlag {
  const char* name;
  bool ClassAttributes::*attribute;
};
/// The in-code flags in their stored order, which is also the order their
/// markup nests inside the colour.
inline constexpr InCodeFlag InCodeFlags[] = {{"Bold", &ClassAttributes::Bold},
                                             {"Italic", &ClassAttributes::Italic},
                                             {"Underlined", &ClassAttributes::Underlined}};

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
