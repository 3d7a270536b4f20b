#pragma once

#include "engine/token.h"
#include "settings/theme.h"

#include <array>
#include <cstdint>

/// How one kind of text looks in the source pane.
struct TextLook {
  /// 0xRRGGBB.
  std::uint32_t colour = 0;
  bool bold = false;
  bool italic = false;
  bool underlined = false;

  bool operator==(const TextLook&) const = default;
};

/// How the source pane shows plain text and each token class.
struct SourceLooks {
  TextLook plain;
  std::array<TextLook, TokenClassCount> classes{};

  const TextLook& operator[](TokenClass tokenClass) const {
    return classes[static_cast<std::size_t>(tokenClass)];
  }

  bool operator==(const SourceLooks&) const = default;
};

/// The theme's in-code looks, in either mode, since they are what its style
/// sheet carries too: each class in its colour where that is six hexadecimal
/// digits, else in plain text's; plain text in the default colour, or black
/// where that is not six hexadecimal digits.
SourceLooks sourceLooksOf(const Theme& theme);
