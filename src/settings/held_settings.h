#pragma once

#include <array>
#include <cstdint>
#include <string>

/// The four highlighted token classes, in the order used everywhere.
enum class TokenClass { Comment = 0, Number = 1, Reserved = 2, Strings = 3 };
inline constexpr int TokenClassCount = 4;
/// The token classes in that order, for loops over them.
inline constexpr std::array<TokenClass, TokenClassCount> TokenClasses = {
    TokenClass::Comment, TokenClass::Number, TokenClass::Reserved, TokenClass::Strings};

/// One token class's in-code attributes and its style class name.
struct ClassAttributes {
  bool Bold = false;
  bool Italic = false;
  bool Underlined = false;
  /// Colour text RRGGBB, at most 6 characters.
  std::string Color;
  /// CSS class name used in style-sheet mode.
  std::string StyleClass;

  bool operator==(const ClassAttributes&) const = default;
};

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
