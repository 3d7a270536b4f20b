#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

/// Cuts a source file's bytes into lines: LF, CR LF and a lone CR end a
/// line; a Ctrl+Z ends its line (the rest of that line is dropped), and one
/// at the start of a line ends the file. Every other byte passes unchanged.
std::vector<std::string> splitSourceLines(std::string_view bytes);

/// The same rules over a stream, one line at a time, so memory stays bounded
/// by the longest line.
class SourceLineReader {
public:
  explicit SourceLineReader(std::istream& in);
  /// The next line into line; false at the end of the source.
  bool next(std::string& line);
};
