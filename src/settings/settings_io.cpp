#include "settings/settings_io.h"

#include "settings/colour_text.h"
#include "settings/settings_keys.h"
#include "settings/theme_store.h"

namespace {

ClassAttributes& attributesOf(HeldSettings& held, TokenClass tokenClass) {
  return held.Classes[static_cast<int>(tokenClass)];
}

}  // namespace

bool LoadFromRegistry(SettingsStore& store, HeldSettings& held, DialogSettingsState& state) {
  const SettingsReadGroup reads(store);
  bool found = false;
  for (const auto tokenClass : TokenClasses) {
    if (OpenedKey key(store, inCodeKeyPath(tokenClass)); key) {
      auto& attributes = attributesOf(held, tokenClass);
      for (const InCodeFlag& flag : InCodeFlags) {
        attributes.*flag.attribute = store.readFlag(flag.name);
      }
      attributes.Color = store.readText(ColorValue).substr(0, ColourTextLength);
      found = true;
    }
  }
  if (OpenedKey key(store, styleKeyPath()); key) {
    for (const auto tokenClass : TokenClasses) {
      attributesOf(held, tokenClass).StyleClass = store.readText(storeName(tokenClass));
    }
    held.StyleSheet = store.readText(SheetValue);
    found = true;
  }
  if (OpenedKey key(store, SettingsKey); key) {
    state.LoadingFlag = true;
    state.Mode = store.readFlag(IncodeValue) ? FormattingMode::InCode : FormattingMode::StyleSheets;
    state.TabSize = store.readInteger(TabSizeValue);
    held.DefaultColor = store.readText(DefaultColorValue);
    found = true;
  }
  return found;
}

void applyFirstRunDefaults(HeldSettings& held, DialogSettingsState& state) {
  for (const auto tokenClass : TokenClasses) {
    auto& attributes = attributesOf(held, tokenClass);
    const auto& classic = ClassicSettings[static_cast<int>(tokenClass)];
    for (const InCodeFlag& flag : InCodeFlags) {
      attributes.*flag.attribute = classic.*flag.attribute;
    }
    attributes.Color = classic.Color;
  }
  state.Mode = FormattingMode::InCode;
  state.TabSize = ClassicTabSize;
  held.DefaultColor = ClassicDefaultColor;
}

Theme themeOf(const HeldSettings& held, const DialogSettingsState& state) {
  Theme theme;
  theme.Classes = held.Classes;
  theme.StyleSheet = held.StyleSheet;
  theme.DefaultColor = held.DefaultColor;
  theme.Incode = state.Mode == FormattingMode::InCode;
  theme.TabSize = state.TabSize;
  return theme;
}

void WriteToRegistry(SettingsStore& store, const HeldSettings& held,
                     const DialogSettingsState& state) {
  writeTheme(store, themeOf(held, state));
}
