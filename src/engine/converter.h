#pragma once

#include "engine/tag_set.h"
#include "engine/token.h"

#include <string>
#include <string_view>
#include <vector>

/// Turns Delphi source lines into HTML lines with one tag set. It keeps
/// nothing from one call to the next (the caller holds the comment state), so
/// threads may share one.
class Converter {
 public:
  explicit Converter(const TagSet& tags);

  /// Appends the HTML of one source line (without its line break) to out.
  /// state says which comment the line begins inside and, afterwards, which
  /// one it ends inside.
  void convertLine(std::string_view line, CommentState& state, std::string& out) const;

 private:
  TagSet tags_;
  int tabSpaces_;
};

/// Converts a whole list of lines, starting outside any comment: one HTML
/// line per source line.
std::vector<std::string> Convert(const std::vector<std::string>& lines, const TagSet& tags);
