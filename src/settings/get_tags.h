#pragma once

#include "engine/tag_set.h"
#include "settings/settings_store.h"

/// Rebuilds tags from the store. StyleSheet, DefaultColor, Incode and
/// TabSize keep their values where the store does not say otherwise. A read
/// error stops it where it arose (the texts built so far stay) and goes on
/// to the caller.
void GetTags(SettingsStore& store, TagSet& tags);
