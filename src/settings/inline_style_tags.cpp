#include "settings/inline_style_tags.h"

#include "settings/theme_store.h"

TagSet GetInlineStyleTags(SettingsStore& store) {
  const SettingsReadGroup reads(store);
  Theme theme;
  readTheme(store, theme, ThemeKeys::InCode);
  return inlineStyleTagSet(theme);
}
