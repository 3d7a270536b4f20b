#pragma once

#include "output/tag_set.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The comment a line ends inside; the only state carried to the next line.
enum class CommentState : std::uint8_t { None, Brace, Paren };

/// Turns Delphi source lines into HTML lines with one tag set. Owns its
/// buffers, so one converter serves one thread; two may run side by side.
class Converter {
 public:
  explicit Converter(const TagSet& tags);

  /// Appends the HTML of one source line (without its line break) to out.
  /// state says which comment the line begins inside and, afterwards, which
  /// one it ends inside.
  void convertLine(std::string_view line, CommentState& state, std::string& out);

 private:
  TagSet tags_;
  int tabSpaces_;
  /// The current line with its tabs expanded and escaped, reused line by line.
  std::string prepared_;
};

/// Converts a whole list of lines, starting outside any comment: one HTML
/// line per source line.
std::vector<std::string> Convert(const std::vector<std::string>& lines, const TagSet& tags);
