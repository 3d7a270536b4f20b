#include "settings/inline_style_tags.h"

#include "settings/colour_text.h"
#include "settings/settings_io.h"
#include "settings/settings_keys.h"
#include "settings/tag_pair.h"

namespace {

/// Read in GetTags' order, so that a broken value raises the same error.
ClassAttributes readInCodeAttributes(SettingsStore& store) {
  ClassAttributes attributes;
  attributes.Color = store.readText("Color");
  attributes.Bold = store.readFlag("Bold");
  attributes.Italic = store.readFlag("Italic");
  attributes.Underlined = store.readFlag("Underlined");
  return attributes;
}

}  // namespace

std::string inlineStyle(const ClassAttributes& attributes, const std::string& defaultColor) {
  std::string style;
  const auto add = [&style](const std::string& declaration) {
    if (!style.empty()) style += "; ";
    style += declaration;
  };
  if (attributes.Color != defaultColor && colourParts(attributes.Color)) {
    add("color:#" + attributes.Color);
  }
  if (attributes.Bold) add("font-weight:bold");
  if (attributes.Italic) add("font-style:italic");
  if (attributes.Underlined) add("text-decoration:underline");
  return style;
}

TagSet GetInlineStyleTags(SettingsStore& store) {
  const SettingsReadGroup reads(store);
  TagSet tags;
  tags.Incode = true;
  std::array<ClassAttributes, TokenClassCount> classes{};
  if (OpenedKey key(store, SettingsKey); key) {
    tags.DefaultColor = store.readText("DefaultColor");
    tags.TabSize = store.readInteger("TabSize");
  } else {
    classes = ClassicSettings;
    tags.DefaultColor = ClassicDefaultColor;
    tags.TabSize = ClassicTabSize;
  }
  for (const auto tokenClass : TokenClasses) {
    auto& attributes = classes[static_cast<int>(tokenClass)];
    if (OpenedKey key(store, inCodeKeyPath(tokenClass)); key) {
      attributes = readInCodeAttributes(store);
    }
    if (const std::string style = inlineStyle(attributes, tags.DefaultColor); !style.empty()) {
      pairOf(tags, tokenClass).wrap("<span style=\"" + style + "\">", "</span>");
    }
  }
  return tags;
}
