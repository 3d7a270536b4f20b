#pragma once

#include "engine/tag_set.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

/// The line break that ends every row of a page.
inline constexpr std::string_view PageLineEnd = "\r\n";

/// The page title of the browser preview, already in HTML form.
inline constexpr const char* PreviewTitle = "&lt;&lt; Tessaline Preview &gt;&gt;";

/// Whether a page numbers its lines. Each number stands right-aligned in a
/// muted colour before its line, made by the page's style rather than
/// written as text, so that a browser shows it but never selects or copies
/// it with the code.
struct LineNumbering {
  bool on = false;
  /// How many lines the page has, which sets the width of the numbers.
  std::size_t lineCount = 0;
};

/// What begins every line of a page that numbers its lines: an empty
/// element, which nests inside whatever markup a comment left open and
/// takes none of its looks.
inline constexpr std::string_view LineNumberMark = "<span class=\"tessaline-line\"></span>";

/// Writes the page around converted lines, every line ending CR LF:
/// writeHead, then writeLine for each line, then writeTail. titleHtml is
/// written as it stands (see htmlTitle); the style-sheet link, in style-sheet
/// mode, is attribute-escaped. With line numbers on, the head carries their
/// style and every line begins with linePrefix().
class PageWriter {
 public:
  PageWriter(std::ostream& out, const TagSet& tags, LineNumbering numbering = {});
  void writeHead(const std::string& titleHtml);
  void writeLine(const std::string& line);
  /// Writes many lines in one piece, each already beginning with
  /// linePrefix() and ending with PageLineEnd: cheaper than a writeLine per
  /// line.
  void writeLines(std::string_view lines);
  void writeTail();

  /// What each line of this page begins with: LineNumberMark, or nothing.
  std::string_view linePrefix() const {
    return numbering_.on ? LineNumberMark : std::string_view();
  }

 private:
  void writeRow(std::string_view row);
  void writeBytes(std::string_view bytes);
  void writeLineNumberStyle();

  std::ostream& out_;
  const TagSet& tags_;
  LineNumbering numbering_;
};

/// The whole page as bytes.
std::string pageText(const std::string& titleHtml, const TagSet& tags,
                     const std::vector<std::string>& lines, bool lineNumbers = false);

/// Writes the page to fileName atomically (a temporary file in the same
/// folder, renamed over): a failure leaves an existing file untouched and
/// raises FileError naming the file and the system's reason. The window
/// saves through it, so a FIFO, which would hold the window until a reader
/// came, is refused as "Not a regular file".
void SaveOutput(const std::string& fileName, const std::string& titleHtml, const TagSet& tags,
                const std::vector<std::string>& lines, bool lineNumbers = false);
