#pragma once

#include "engine/token.h"

#include <cstdint>
#include <string>
#include <type_traits>

/// The markup each token class gets, and the page settings loaded with it.
/// Built by GetTags from the settings store; read by the engine, the page
/// writer and the preview.
struct TagSet {
  std::string ReservedOpen, ReservedClose;
  std::string CommentOpen, CommentClose;
  std::string NumberOpen, NumberClose;
  std::string StringsOpen, StringsClose;
  /// Path or address of the style sheet the page links in style-sheet mode.
  std::string StyleSheet;
  /// Six hex digits without '#'; only GetTags reads it.
  std::string DefaultColor;
  /// True for in-code formatting, false for style sheets.
  bool Incode = false;
  /// Spaces per tab, as stored (the engine clamps it).
  std::int32_t TabSize = 0;

  bool operator==(const TagSet&) const = default;
};

/// The open and close texts of one token class in a tag set.
template <typename Text>
struct ClassMarkup {
  Text& open;
  Text& close;
};

template <typename Tags>
auto markupOf(Tags& tags, TokenClass tokenClass) {
  // const std::string for a const tag set, std::string otherwise.
  using Text = std::remove_reference_t<decltype((tags.CommentOpen))>;
  switch (tokenClass) {
    case TokenClass::Comment:
      return ClassMarkup<Text>{tags.CommentOpen, tags.CommentClose};
    case TokenClass::Number:
      return ClassMarkup<Text>{tags.NumberOpen, tags.NumberClose};
    case TokenClass::Reserved:
      return ClassMarkup<Text>{tags.ReservedOpen, tags.ReservedClose};
    case TokenClass::Strings:
      break;
  }
  return ClassMarkup<Text>{tags.StringsOpen, tags.StringsClose};
}
