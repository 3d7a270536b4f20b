#include "settings/get_tags.h"

#include "engine/escaped_text.h"
#include "settings/settings_keys.h"
#include "settings/tag_pair.h"

namespace {

constexpr std::int32_t BuiltInTabSize = 2;

void useBuiltInTags(TagSet& tags) {
  const std::string navy = "<font color=\"000080\">";
  tags.ReservedOpen = "<b>";
  tags.ReservedClose = "</b>";
  tags.CommentOpen = navy + "<i>";
  tags.CommentClose = "</i></font>";
  tags.NumberOpen = navy;
  tags.NumberClose = "</font>";
  tags.StringsOpen = navy;
  tags.StringsClose = "</font>";
}

// A stored colour or class name is escaped where it meets the markup, so
// that a hand-edited value cannot break the page; it is compared unescaped.
void addInCodePieces(SettingsStore& store, TagSet& tags) {
  for (const auto tokenClass : TokenClasses) {
    OpenedKey key(store, inCodeKeyPath(tokenClass));
    if (!key) continue;
    auto pair = pairOf(tags, tokenClass);
    if (const auto color = store.readText("Color"); color != tags.DefaultColor) {
      pair.wrap("<font color=\"" + escapeHtmlAttribute(color) + "\">", "</font>");
    }
    if (store.readFlag("Bold")) pair.wrap("<b>", "</b>");
    if (store.readFlag("Italic")) pair.wrap("<i>", "</i>");
    if (store.readFlag("Underlined")) pair.wrap("<u>", "</u>");
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
    tags.TabSize = BuiltInTabSize;
  }
  if (tags.Incode) {
    addInCodePieces(store, tags);
  } else {
    addStyleClasses(store, tags);
  }
}
