#include "engine/utf8_text.h"

std::optional<Utf8Character> utf8CharacterAt(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead < 0x80) return Utf8Character{lead, 1};
  if (lead >= 0xc2 && lead < 0xe0) {
    length = 2;
    code = lead & 0x1f;
  } else if (lead >= 0xe0 && lead < 0xf0) {
    length = 3;
    code = lead & 0x0f;
  } else if (lead >= 0xf0 && lead < 0xf5) {
    length = 4;
    code = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return std::nullopt;
    code = code << 6 | (byte(i) & 0x3f);
  }
  static constexpr std::uint32_t Shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < Shortest[length] || code > 0x10ffff || (code >= 0xd800 && code < 0xe000))
    return std::nullopt;
  return Utf8Character{code, length};
}

bool isValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    // Source text is mostly ASCII: its bytes need no more than a compare.
    if (static_cast<unsigned char>(bytes.front()) < 0x80) {
      bytes.remove_prefix(1);
      continue;
    }
    const auto character = utf8CharacterAt(bytes);
    if (!character) return false;
    bytes.remove_prefix(character->length);
  }
  return true;
}
