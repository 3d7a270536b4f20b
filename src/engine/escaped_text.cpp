#include "engine/escaped_text.h"

#include <algorithm>
#include <array>

namespace {

/// The bytes that appendEscaped replaces: tab, "<", ">" and "&".
constexpr std::array<bool, 256> escapedBytes = [] {
  std::array<bool, 256> escaped{};
  for (unsigned char c : {'\t', '<', '>', '&'}) escaped[c] = true;
  return escaped;
}();

bool isEscaped(char c) { return escapedBytes[static_cast<unsigned char>(c)]; }

/// The entity that an escaped byte other than a tab becomes.
std::string_view entityFor(char c) { return c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&amp;"; }

}  // namespace

int spacesPerTab(std::int32_t tabSize) { return std::max(1, std::clamp(tabSize, 0, 99)); }

void appendEscaped(std::string_view text, int tabSpaces, std::string& out) {
  auto next = text.begin();
  while (next != text.end()) {
    const auto special = std::find_if(next, text.end(), isEscaped);
    out.append(next, special);
    if (special == text.end()) break;
    if (*special == '\t') {
      out.append(static_cast<std::size_t>(tabSpaces), ' ');
    } else {
      out += entityFor(*special);
    }
    next = special + 1;
  }
}
