#pragma once

#include "settings/settings_store.h"
#include "settings/theme.h"

/// Which keys of the store a theme read covers. Each read starts with the
/// Settings key (mode, default colour, tab size).
enum class ThemeKeys {
  /// Then the keys of the mode it names: all a conversion needs.
  OfMode,
  /// Then the in-code keys, whatever the mode: the looks of a formatted copy
  /// or a highlighted pane.
  InCode,
  /// Then the keys of the mode, then those of the other: all a style sheet
  /// needs.
  All
};

/// Reads the theme from the store, in place: what the store does not hold
/// keeps its value (a missing Settings key gives the classic scheme, in-code
/// mode and tab size 2, and keeps the default colour; a missing Style key
/// keeps the style sheet). The Settings key is read in the order "Incode",
/// "DefaultColor", "TabSize"; each in-code key "Color", then its flags;
/// the Style key its four class names, then "Sheet". A read error raises and
/// stops the read where it arose: what was read before it stays, and a class
/// counts as stored from the moment its colour or name was read.
void readTheme(SettingsStore& store, Theme& theme, ThemeKeys keys);

/// Writes all 24 values of the theme as one atomic change of the store: each
/// class's in-code flags and colour, the Style key's names and sheet, then
/// the Settings key's "Incode", "TabSize" and "DefaultColor". A failure
/// raises and leaves the store as it was.
void writeTheme(SettingsStore& store, const Theme& theme);
