#pragma once

#include "settings/held_settings.h"
#include "settings/settings_store.h"

/// Fills held and the dialog's state from the store; true when at least one
/// of the six keys existed. A key that does not open leaves what it would
/// have set as it was. The Settings key sets LoadingFlag before the mode;
/// "Color" is cut to 6 characters; TabSize is kept as stored. Stops at the
/// first read error, which it raises, keeping what it read before.
bool LoadFromRegistry(SettingsStore& store, HeldSettings& held, DialogSettingsState& state);

/// The first-run defaults, applied when LoadFromRegistry found nothing:
/// ClassicSettings in the four classes' in-code fields (style class names
/// and the style sheet stay), in-code mode, DefaultColor "000000", TabSize 2.
void applyFirstRunDefaults(HeldSettings& held, DialogSettingsState& state);

/// The theme that the dialog's settings make: the held classes, style sheet
/// and default colour, the mode buttons' mode and the tab-size box's size.
Theme themeOf(const HeldSettings& held, const DialogSettingsState& state);

/// Writes the dialog's settings with writeTheme: all 24 values as one atomic
/// change of the store; a failure raises and leaves the store as it was.
void WriteToRegistry(SettingsStore& store, const HeldSettings& held,
                     const DialogSettingsState& state);
