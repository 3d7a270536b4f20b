#pragma once

#include "engine/tag_set.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The comment a line ends inside; the only state carried to the next line.
enum class CommentState : std::uint8_t { None, Brace, Paren };

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
  /// Appends the comment or string that begins at pos (the code there, if
  /// none does); returns its end.
  std::size_t appendToken(std::string_view line, std::size_t pos, CommentState& state,
                          std::string& out) const;
  /// Appends the rest of the comment that state names, from begin, with its
  /// closing delimiter searched from searchFrom; returns its end.
  std::size_t appendCommentBody(std::string_view line, std::size_t begin, std::size_t searchFrom,
                                CommentState& state, std::string& out) const;
  /// Appends text escaped, between open and close.
  void appendWrapped(std::string_view text, const std::string& open, const std::string& close,
                     std::string& out) const;

  TagSet tags_;
  int tabSpaces_;
};

/// Converts a whole list of lines, starting outside any comment: one HTML
/// line per source line.
std::vector<std::string> Convert(const std::vector<std::string>& lines, const TagSet& tags);
