#include "engine/prepared_line.h"

#include <algorithm>
#include <array>

namespace {

/// The bytes that are replaced; all others are copied in runs.
constexpr std::array<bool, 256> replacedBytes = [] {
  std::array<bool, 256> replaced{};
  for (unsigned char c : {'\t', '<', '>', '&'}) {
    replaced[c] = true;
  }
  return replaced;
}();

bool isReplaced(char c) { return replacedBytes[static_cast<unsigned char>(c)]; }

}  // namespace

int spacesPerTab(std::int32_t tabSize) { return std::max(1, std::clamp(tabSize, 0, 99)); }

void appendPreparedLine(std::string_view line, int tabSpaces, std::string& out) {
  auto next = line.begin();
  while (next != line.end()) {
    const auto special = std::find_if(next, line.end(), isReplaced);
    out.append(next, special);
    if (special == line.end()) {
      break;
    }
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
