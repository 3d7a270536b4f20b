#include "engine/escaped_text.h"

#include <algorithm>

int spacesPerTab(std::int32_t tabSize) { return std::max(1, std::clamp(tabSize, 0, 99)); }

void appendEscaped(std::string_view text, int tabSpaces, std::string& out) {
  auto next = text.begin();
  while (next != text.end()) {
    const auto special = std::find_if(next, text.end(), isEscaped);
    out.append(next, special);
    if (special == text.end()) break;
    switch (*special) {
      case '\t':
        out.append(static_cast<std::size_t>(tabSpaces), ' ');
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += "&amp;";
        break;
    }
    next = special + 1;
  }
}
