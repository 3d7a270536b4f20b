#pragma once

#include "settings/held_settings.h"
#include "settings/settings_store.h"

/// The classic in-code scheme: first-run default and "Use Classic Settings".
extern const std::array<ClassAttributes, TokenClassCount> ClassicSettings;

/// Fills held and the dialog's state from the store; true when at least one
/// of the six keys existed. Stops at the first read error, which it raises.
bool LoadFromRegistry(SettingsStore& store, HeldSettings& held, DialogSettingsState& state);

/// The first-run defaults, applied when LoadFromRegistry found nothing.
void applyFirstRunDefaults(HeldSettings& held, DialogSettingsState& state);

/// Writes all 24 values as one atomic change of the store.
void WriteToRegistry(SettingsStore& store, const HeldSettings& held,
                     const DialogSettingsState& state);
