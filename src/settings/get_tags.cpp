#include "settings/get_tags.h"

#include "settings/theme_store.h"
#include "settings/theme_tags.h"

void GetTags(SettingsStore& store, TagSet& tags) {
  const SettingsReadGroup reads(store);
  // What the store does not say keeps what the tag set held.
  Theme theme;
  theme.StyleSheet = tags.StyleSheet;
  theme.DefaultColor = tags.DefaultColor;
  theme.Incode = tags.Incode;
  theme.TabSize = tags.TabSize;
  try {
    readTheme(store, theme, ThemeKeys::OfMode);
  } catch (...) {
    // A read that fails leaves the pieces read before it in place.
    tags = tagSetOf(theme);
    throw;
  }
  tags = tagSetOf(theme);
}
