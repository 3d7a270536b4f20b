#include "settings/theme.h"

// Bold, Italic, Underlined, Color; the classic scheme names no style class.
const std::array<ClassAttributes, TokenClassCount> ClassicSettings = {{
    {false, true, false, "000080", ""},
    {false, false, false, "000080", ""},
    {true, false, false, "000000", ""},
    {false, false, false, "000080", ""},
}};

ClassAttributes inCodeLook(const Theme& theme, TokenClass tokenClass) {
  const auto index = static_cast<std::size_t>(tokenClass);
  if (theme.InCodeStored[index]) return theme.Classes[index];
  if (theme.Classic) return ClassicSettings[index];
  return {};
}

std::string lookDefaultColor(const Theme& theme) {
  return theme.Classic ? ClassicDefaultColor : theme.DefaultColor;
}
