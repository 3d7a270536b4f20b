#pragma once

#include "engine/tag_set.h"
#include "settings/settings_store.h"
#include "settings/theme_tags.h"

/// The tag set of a formatted copy (see inlineStyleTagSet), from the
/// Settings key and the in-code keys of the store, whatever FormattingMode
/// it names. Where the Settings key is missing, the classic scheme,
/// DefaultColor "000000" and TabSize 2 stand in, and a class key that opens
/// replaces its class. A read error goes to the caller.
TagSet GetInlineStyleTags(SettingsStore& store);
