#pragma once

#include "settings/theme.h"

#include <array>
#include <cstdint>
#include <string>

/// The settings dialog's program-wide copy of the settings; it keeps its
/// content between openings of the dialog.
struct HeldSettings {
  std::array<ClassAttributes, TokenClassCount> Classes;
  std::string StyleSheet;
  std::string DefaultColor;

  bool operator==(const HeldSettings&) const = default;
};

/// Which mode button of the settings dialog is chosen.
enum class FormattingMode { None, InCode, StyleSheets };

/// The dialog's own part of the settings: its mode buttons, its tab-size box
/// and the flag that silences the mode buttons' handlers while loading.
struct DialogSettingsState {
  FormattingMode Mode = FormattingMode::None;
  std::int32_t TabSize = 2;
  bool LoadingFlag = false;
};
