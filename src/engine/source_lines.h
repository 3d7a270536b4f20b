#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

/// What a Ctrl+Z (0x1A) means to a line reader.
enum class CtrlZ {
  /// It ends its line, and the rest of that line is dropped; one at the
  /// start of a line ends the text: an old DOS end of file.
  EndsText,
  /// A byte like any other.
  IsText
};

/// Cuts a source file's bytes into lines: LF, CR LF and a lone CR end a
/// line, a break at the very end adds no empty line, and a Ctrl+Z ends the
/// text as CtrlZ::EndsText says. Every other byte passes unchanged.
std::vector<std::string> splitSourceLines(std::string_view bytes);

/// The lines of a text by its line breaks alone, as splitSourceLines cuts
/// them but with a Ctrl+Z kept as text: every byte but the breaks stays.
std::vector<std::string> splitLines(std::string_view text);

/// The rules of splitSourceLines over a stream, one line at a time, so
/// memory stays bounded by the longest line.
class SourceLineReader {
 public:
  /// Reads in chunks of chunkSize bytes (at least one).
  explicit SourceLineReader(std::istream& in, std::size_t chunkSize = 1 << 16,
                            CtrlZ ctrlZ = CtrlZ::EndsText);
  /// The next line into line; false at the end of the source.
  bool next(std::string& line);
  /// The next line as a view, valid until the next call: into the chunk when
  /// the line lies within it, else into a copy; false at the end of the source.
  bool next(std::string_view& line);

 private:
  /// Makes the chunk hold unread bytes; false when the stream has none left.
  bool fill();
  /// Moves past the rest of a line cut by a Ctrl+Z, up to its line break.
  void skipToLineBreak();
  /// Ends the line at the break under the cursor, consuming that break.
  void consumeLineBreak();

  std::istream& in_;
  std::size_t chunkSize_;
  bool ctrlZEndsText_;
  std::unique_ptr<char[]> chunk_;
  /// The line when it spans chunks or ends in a Ctrl+Z.
  std::string carry_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // A CR ended the last line; an LF right after it belongs to that break,
  // even when it arrives with the next chunk.
  bool crPending_ = false;
  bool finished_ = false;
};
