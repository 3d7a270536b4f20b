#pragma once

#include "engine/token.h"

#include <array>
#include <cstdint>
#include <string>

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

/// The classic in-code scheme: first-run default and "Use Classic Settings".
extern const std::array<ClassAttributes, TokenClassCount> ClassicSettings;
/// The classic scheme's default colour: no colour tag where a class has it.
inline constexpr const char* ClassicDefaultColor = "000000";
/// The classic scheme's tab size.
inline constexpr std::int32_t ClassicTabSize = 2;

/// What the output looks like, as the settings store says: each class's
/// in-code attributes and style class name, the style sheet, the default
/// colour, the mode and the tab size. Read once by readTheme; every output
/// (the tag sets, a formatted copy, a style sheet, a highlighted pane) is
/// rendered from it.
struct Theme {
  std::array<ClassAttributes, TokenClassCount> Classes;
  std::string StyleSheet;
  std::string DefaultColor;
  bool Incode = false;
  std::int32_t TabSize = 0;
  /// The store holds no Settings key: the classic scheme applies, in code,
  /// beneath whatever in-code keys the store does hold.
  bool Classic = false;
  /// The classes whose in-code attributes the store gave (their key opened).
  std::array<bool, TokenClassCount> InCodeStored{};
  /// The classes whose style class name the store gave (the Style key opened).
  std::array<bool, TokenClassCount> StyleStored{};

  ClassAttributes& operator[](TokenClass tokenClass) {
    return Classes[static_cast<std::size_t>(tokenClass)];
  }
  const ClassAttributes& operator[](TokenClass tokenClass) const {
    return Classes[static_cast<std::size_t>(tokenClass)];
  }

  bool operator==(const Theme&) const = default;
};

/// What a class looks like in code: its stored attributes, else the classic
/// ones where the classic scheme applies, else plain text.
ClassAttributes inCodeLook(const Theme& theme, TokenClass tokenClass);

/// The colour of plain text that the looks are told from: the classic
/// scheme's where it applies.
std::string lookDefaultColor(const Theme& theme);
