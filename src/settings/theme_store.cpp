#include "settings/theme_store.h"

#include "settings/settings_keys.h"

namespace {

void readSettingsKey(SettingsStore& store, Theme& theme) {
  OpenedKey key(store, SettingsKey);
  theme.Classic = !key;
  if (key) {
    theme.Incode = store.readFlag(IncodeValue);
    theme.DefaultColor = store.readText(DefaultColorValue);
    theme.TabSize = store.readInteger(TabSizeValue);
  } else {
    theme.Incode = true;
    theme.TabSize = ClassicTabSize;
  }
}

void readInCodeKeys(SettingsStore& store, Theme& theme) {
  for (const auto tokenClass : TokenClasses) {
    OpenedKey key(store, inCodeKeyPath(tokenClass));
    if (!key) continue;
    ClassAttributes& attributes = theme[tokenClass];
    attributes.Color = store.readText(ColorValue);
    for (const InCodeFlag& flag : InCodeFlags) attributes.*flag.attribute = false;
    theme.InCodeStored[static_cast<std::size_t>(tokenClass)] = true;
    for (const InCodeFlag& flag : InCodeFlags) {
      attributes.*flag.attribute = store.readFlag(flag.name);
    }
  }
}

void readStyleKey(SettingsStore& store, Theme& theme) {
  OpenedKey key(store, styleKeyPath());
  if (!key) return;
  for (const auto tokenClass : TokenClasses) {
    theme[tokenClass].StyleClass = store.readText(storeName(tokenClass));
    theme.StyleStored[static_cast<std::size_t>(tokenClass)] = true;
  }
  theme.StyleSheet = store.readText(SheetValue);
}

}  // namespace

void readTheme(SettingsStore& store, Theme& theme, ThemeKeys keys) {
  theme.InCodeStored = {};
  theme.StyleStored = {};
  readSettingsKey(store, theme);
  const auto modeKeys = theme.Incode ? readInCodeKeys : readStyleKey;
  const auto otherKeys = theme.Incode ? readStyleKey : readInCodeKeys;
  switch (keys) {
    case ThemeKeys::OfMode:
      modeKeys(store, theme);
      break;
    case ThemeKeys::InCode:
      readInCodeKeys(store, theme);
      break;
    case ThemeKeys::All:
      modeKeys(store, theme);
      otherKeys(store, theme);
      break;
  }
}

void writeTheme(SettingsStore& store, const Theme& theme) {
  SettingsWriteBatch batch(store);
  for (const auto tokenClass : TokenClasses) {
    OpenedKey key(store, inCodeKeyPath(tokenClass), true);
    const ClassAttributes& attributes = theme[tokenClass];
    for (const InCodeFlag& flag : InCodeFlags)
      store.writeFlag(flag.name, attributes.*flag.attribute);
    store.writeText(ColorValue, attributes.Color);
  }
  {
    OpenedKey key(store, styleKeyPath(), true);
    for (const auto tokenClass : TokenClasses) {
      store.writeText(storeName(tokenClass), theme[tokenClass].StyleClass);
    }
    store.writeText(SheetValue, theme.StyleSheet);
  }
  {
    OpenedKey key(store, SettingsKey, true);
    store.writeFlag(IncodeValue, theme.Incode);
    store.writeInteger(TabSizeValue, theme.TabSize);
    store.writeText(DefaultColorValue, theme.DefaultColor);
  }
  batch.commit();
}
