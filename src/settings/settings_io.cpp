#include "settings/settings_io.h"

#include "settings/colour_text.h"
#include "settings/settings_keys.h"

// Bold, Italic, Underlined, Color; the classic scheme names no style class.
const std::array<ClassAttributes, TokenClassCount> ClassicSettings = {{
    {false, true, false, "000080", ""},
    {false, false, false, "000080", ""},
    {true, false, false, "000000", ""},
    {false, false, false, "000080", ""},
}};

namespace {

ClassAttributes& attributesOf(HeldSettings& held, TokenClass tokenClass) {
  return held.Classes[static_cast<int>(tokenClass)];
}

const ClassAttributes& attributesOf(const HeldSettings& held, TokenClass tokenClass) {
  return held.Classes[static_cast<int>(tokenClass)];
}

}  // namespace

bool LoadFromRegistry(SettingsStore& store, HeldSettings& held, DialogSettingsState& state) {
  const SettingsReadGroup reads(store);
  bool found = false;
  for (const auto tokenClass : TokenClasses) {
    if (OpenedKey key(store, inCodeKeyPath(tokenClass)); key) {
      auto& attributes = attributesOf(held, tokenClass);
      attributes.Bold = store.readFlag("Bold");
      attributes.Italic = store.readFlag("Italic");
      attributes.Underlined = store.readFlag("Underlined");
      attributes.Color = store.readText("Color").substr(0, ColourTextLength);
      found = true;
    }
  }
  if (OpenedKey key(store, styleKeyPath()); key) {
    for (const auto tokenClass : TokenClasses) {
      attributesOf(held, tokenClass).StyleClass = store.readText(storeName(tokenClass));
    }
    held.StyleSheet = store.readText("Sheet");
    found = true;
  }
  if (OpenedKey key(store, SettingsKey); key) {
    state.LoadingFlag = true;
    state.Mode = store.readFlag("Incode") ? FormattingMode::InCode : FormattingMode::StyleSheets;
    state.TabSize = store.readInteger("TabSize");
    held.DefaultColor = store.readText("DefaultColor");
    found = true;
  }
  return found;
}

void applyFirstRunDefaults(HeldSettings& held, DialogSettingsState& state) {
  for (const auto tokenClass : TokenClasses) {
    auto& attributes = attributesOf(held, tokenClass);
    const auto& classic = ClassicSettings[static_cast<int>(tokenClass)];
    attributes.Bold = classic.Bold;
    attributes.Italic = classic.Italic;
    attributes.Underlined = classic.Underlined;
    attributes.Color = classic.Color;
  }
  state.Mode = FormattingMode::InCode;
  state.TabSize = ClassicTabSize;
  held.DefaultColor = ClassicDefaultColor;
}

void WriteToRegistry(SettingsStore& store, const HeldSettings& held,
                     const DialogSettingsState& state) {
  SettingsWriteBatch batch(store);
  for (const auto tokenClass : TokenClasses) {
    OpenedKey key(store, inCodeKeyPath(tokenClass), true);
    const auto& attributes = attributesOf(held, tokenClass);
    store.writeFlag("Bold", attributes.Bold);
    store.writeFlag("Italic", attributes.Italic);
    store.writeFlag("Underlined", attributes.Underlined);
    store.writeText("Color", attributes.Color);
  }
  {
    OpenedKey key(store, styleKeyPath(), true);
    for (const auto tokenClass : TokenClasses) {
      store.writeText(storeName(tokenClass), attributesOf(held, tokenClass).StyleClass);
    }
    store.writeText("Sheet", held.StyleSheet);
  }
  {
    OpenedKey key(store, SettingsKey, true);
    store.writeFlag("Incode", state.Mode == FormattingMode::InCode);
    store.writeInteger("TabSize", state.TabSize);
    store.writeText("DefaultColor", held.DefaultColor);
  }
  batch.commit();
}
