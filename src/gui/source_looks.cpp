#include "gui/source_looks.h"

#include "settings/colour_text.h"

#include <optional>

namespace {

std::optional<std::uint32_t> colourOf(const std::string& rrggbb) {
  const std::optional<ColourParts> parts = colourParts(rrggbb);
  if (!parts) return std::nullopt;
  return static_cast<std::uint32_t>(parts->red << 16 | parts->green << 8 | parts->blue);
}

}  // namespace

SourceLooks sourceLooksOf(const Theme& theme) {
  SourceLooks looks;
  looks.plain.colour = colourOf(lookDefaultColor(theme)).value_or(0x000000);
  for (const TokenClass tokenClass : TokenClasses) {
    const ClassAttributes look = inCodeLook(theme, tokenClass);
    looks.classes[static_cast<std::size_t>(tokenClass)] = {
        colourOf(look.Color).value_or(looks.plain.colour), look.Bold, look.Italic, look.Underlined};
  }
  return looks;
}
