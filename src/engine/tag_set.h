#pragma once

#include <cstdint>
#include <string>

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
