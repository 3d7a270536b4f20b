#pragma once

#include "settings/settings_store.h"

/// The window's own choices, kept in the store beside the settings: under a
/// key of their own, so that the settings' keys and values stay exactly as
/// the settings dialog writes them, and older readers never see them. A
/// store that holds none gives the defaults, and nothing is written until
/// the user changes one.
struct ViewOptions {
  /// The source pane shows the theme's in-code looks.
  bool HighlightSource = true;
  /// The HTML pane follows every edit of the source pane.
  bool ConvertAsYouType = false;
  /// Saved pages and the preview number their lines.
  bool LineNumbers = false;

  bool operator==(const ViewOptions&) const = default;
};

/// The key that holds the view options.
inline constexpr const char* ViewKey = "\\Software\\Korvane\\Tessaline\\View";

/// The view options the store holds; a missing key or value gives the
/// default. A value of another type raises "Invalid data type for '<name>'".
ViewOptions readViewOptions(SettingsStore& store);

/// The option's field in ViewOptions.
using ViewOption = bool ViewOptions::*;

/// Stores one option's new value, and nothing else, as one change.
void writeViewOption(SettingsStore& store, ViewOption option, bool value);
