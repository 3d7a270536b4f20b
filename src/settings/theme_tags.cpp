#include "settings/theme_tags.h"

#include "engine/escaped_text.h"
#include "settings/colour_text.h"
#include "settings/settings_keys.h"

namespace {

/// Adds a piece inside the ones a class's markup already has, keeping the
/// pair nested.
void wrap(ClassMarkup<std::string> markup, const std::string& open, const std::string& close) {
  markup.open += open;
  markup.close.insert(0, close);
}

/// The markup of each in-code flag, in the order of InCodeFlags.
constexpr const char* FlagTags[][2] = {{"<b>", "</b>"}, {"<i>", "</i>"}, {"<u>", "</u>"}};
static_assert(std::size(FlagTags) == std::size(InCodeFlags));

// A stored colour is escaped where it meets the markup, so that a
// hand-edited value cannot break the page; it is compared unescaped.
void addInCodePieces(ClassMarkup<std::string> markup, const ClassAttributes& attributes,
                     const std::string& defaultColor) {
  if (attributes.Color != defaultColor) {
    wrap(markup, "<font color=\"" + escapeHtmlAttribute(attributes.Color) + "\">", "</font>");
  }
  for (std::size_t i = 0; i < std::size(InCodeFlags); ++i) {
    if (attributes.*InCodeFlags[i].attribute) wrap(markup, FlagTags[i][0], FlagTags[i][1]);
  }
}

/// A tag set that carries the theme's page settings and no markup yet.
TagSet pageSettingsOf(const Theme& theme) {
  TagSet tags;
  tags.StyleSheet = theme.StyleSheet;
  tags.DefaultColor = theme.DefaultColor;
  tags.Incode = theme.Incode;
  tags.TabSize = theme.TabSize;
  return tags;
}

}  // namespace

TagSet tagSetOf(const Theme& theme) {
  TagSet tags = pageSettingsOf(theme);
  for (const auto tokenClass : TokenClasses) {
    const auto index = static_cast<std::size_t>(tokenClass);
    const auto markup = markupOf(tags, tokenClass);
    if (!theme.Incode) {
      if (theme.StyleStored[index]) {
        wrap(markup, "<span class=\"" + escapeHtmlAttribute(theme[tokenClass].StyleClass) + "\">",
             "</span>");
      }
      continue;
    }
    if (theme.Classic) addInCodePieces(markup, ClassicSettings[index], ClassicDefaultColor);
    if (theme.InCodeStored[index]) {
      addInCodePieces(markup, theme[tokenClass], theme.DefaultColor);
    }
  }
  return tags;
}

TagSet inlineStyleTagSet(const Theme& theme) {
  TagSet tags;
  tags.Incode = true;
  tags.DefaultColor = lookDefaultColor(theme);
  tags.TabSize = theme.TabSize;
  for (const auto tokenClass : TokenClasses) {
    const std::string style = inlineStyle(inCodeLook(theme, tokenClass), tags.DefaultColor);
    if (!style.empty())
      wrap(markupOf(tags, tokenClass), "<span style=\"" + style + "\">", "</span>");
  }
  return tags;
}

std::vector<std::string> styleDeclarations(const ClassAttributes& look,
                                           const std::string& defaultColor) {
  std::vector<std::string> declarations;
  if (look.Color != defaultColor && colourParts(look.Color)) {
    declarations.push_back("color:#" + look.Color);
  }
  if (look.Bold) declarations.emplace_back("font-weight:bold");
  if (look.Italic) declarations.emplace_back("font-style:italic");
  if (look.Underlined) declarations.emplace_back("text-decoration:underline");
  return declarations;
}

std::string inlineStyle(const ClassAttributes& look, const std::string& defaultColor) {
  std::string style;
  for (const std::string& declaration : styleDeclarations(look, defaultColor)) {
    if (!style.empty()) style += "; ";
    style += declaration;
  }
  return style;
}
