#include "engine/escaped_text.h"

#include <algorithm>
#include <array>

namespace {

/// A set of bytes, one flag a byte, for a scan that stops at any of them.
using ByteSet = std::array<bool, 256>;

constexpr ByteSet byteSet(std::string_view bytes) {
  ByteSet set{};
  for (char c : bytes) set[static_cast<unsigned char>(c)] = true;
  return set;
}

constexpr ByteSet codeBytes = byteSet("\t<>&");
constexpr ByteSet textBytes = byteSet("<>&");
constexpr ByteSet attributeBytes = byteSet("<>&\"");

/// The entity that an escaped byte other than a tab becomes.
std::string_view entityFor(char c) {
  switch (c) {
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return "&amp;";
  }
}

/// Copies text to out, each byte of special replaced by its entity (a tab by
/// tabSpaces spaces).
void appendReplacing(std::string_view text, const ByteSet& special, int tabSpaces,
                     std::string& out) {
  const auto isSpecial = [&special](char c) { return special[static_cast<unsigned char>(c)]; };
  auto next = text.begin();
  while (next != text.end()) {
    const auto found = std::find_if(next, text.end(), isSpecial);
    out.append(next, found);
    if (found == text.end()) break;
    if (*found == '\t') {
      out.append(static_cast<std::size_t>(tabSpaces), ' ');
    } else {
      out += entityFor(*found);
    }
    next = found + 1;
  }
}

std::string replaced(std::string_view text, const ByteSet& special) {
  std::string out;
  out.reserve(text.size());
  appendReplacing(text, special, 0, out);
  return out;
}

}  // namespace

int spacesPerTab(std::int32_t tabSize) { return std::max(1, std::clamp(tabSize, 0, 99)); }

void appendEscaped(std::string_view text, int tabSpaces, std::string& out) {
  appendReplacing(text, codeBytes, tabSpaces, out);
}

std::string escapeHtmlText(std::string_view text) { return replaced(text, textBytes); }

std::string escapeHtmlAttribute(std::string_view text) { return replaced(text, attributeBytes); }
