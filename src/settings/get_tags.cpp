#include "settings/get_tags.h"

#include "engine/escaped_text.h"
#include "settings/settings_io.h"
#include "settings/settings_keys.h"
#include "settings/tag_pair.h"

namespace {

// A stored colour or class name is escaped where it meets the markup, so
// that a hand-edited value cannot break the page; it is compared unescaped.
void wrapColour(TagPair pair, const std::string& color, const std::string& defaultColor) {
  if (color != defaultColor) {
    pair.wrap("<font color=\"" + escapeHtmlAttribute(color) + "\">", "</font>");
  }
}

/// The in-code flags in the order they nest inside the colour.
struct InCodeFlag {
  const char* name;
  bool ClassAttributes::*held;
  const char* open;
  const char* close;
};
constexpr InCodeFlag InCodeFlags[] = {{"Bold", &ClassAttributes::Bold, "<b>", "</b>"},
                                      {"Italic", &ClassAttributes::Italic, "<i>", "</i>"},
                                      {"Underlined", &ClassAttributes::Underlined, "<u>", "</u>"}};

/// The classic scheme, for a store that holds no settings yet.
void useBuiltInTags(TagSet& tags) {
  for (const auto tokenClass : TokenClasses) {
    const ClassAttributes& classic = ClassicSettings[static_cast<int>(tokenClass)];
    wrapColour(pairOf(tags, tokenClass), classic.Color, ClassicDefaultColor);
    for (const InCodeFlag& flag : InCodeFlags)
      if (classic.*flag.held) pairOf(tags, tokenClass).wrap(flag.open, flag.close);
  }
}

// Each piece goes on as soon as its value is read, so a read that fails
// leaves the pieces before it in place.
void addInCodePieces(SettingsStore& store, TagSet& tags) {
  for (const auto tokenClass : TokenClasses) {
    OpenedKey key(store, inCodeKeyPath(tokenClass));
    if (!key) continue;
    wrapColour(pairOf(tags, tokenClass), store.readText("Color"), tags.DefaultColor);
    for (const InCodeFlag& flag : InCodeFlags)
      if (store.readFlag(flag.name)) pairOf(tags, tokenClass).wrap(flag.open, flag.close);
  }
}

void addStyleClasses(SettingsStore& store, TagSet& tags) {
  OpenedKey key(store, styleKeyPath());
  if (!key) return;
  for (const auto tokenClass : TokenClasses) {
    pairOf(tags, tokenClass)
        .wrap("<span class=\"" + escapeHtmlAttribute(store.readText(storeName(tokenClass))) + "\">",
              "</span>");
  }
  tags.StyleSheet = store.readText("Sheet");
}

}  // namespace

void GetTags(SettingsStore& store, TagSet& tags) {
  const SettingsReadGroup reads(store);
  for (const auto tokenClass : TokenClasses) {
    auto pair = pairOf(tags, tokenClass);
    pair.open.clear();
    pair.close.clear();
  }
  if (OpenedKey key(store, SettingsKey); key) {
    tags.Incode = store.readFlag("Incode");
    tags.DefaultColor = store.readText("DefaultColor");
    tags.TabSize = store.readInteger("TabSize");
  } else {
    useBuiltInTags(tags);
    tags.Incode = true;
    tags.TabSize = ClassicTabSize;
  }
  if (tags.Incode) {
    addInCodePieces(store, tags);
  } else {
    addStyleClasses(store, tags);
  }
}
