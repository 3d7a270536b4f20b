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

/// Writes the page around converted lines, every line ending CR LF:
/// writeHead, then writeLine for each line, then writeTail. titleHtml is
/// written as it stands (see htmlTitle); the style-sheet link, in style-sheet
/// mode, is attribute-escaped.
class PageWriter {
 public:
  PageWriter(std::ostream& out, const TagSet& tags);
  void writeHead(const std::string& titleHtml);
  void writeLine(const std::string& line);
  /// Writes many lines in one piece, each already ending with PageLineEnd:
  /// cheaper than a writeLine per line.
  void writeLines(std::string_view lines);
  void writeTail();

 private:
  void writeRow(std::string_view row);
  void writeBytes(std::string_view bytes);

  std::ostream& out_;
  const TagSet& tags_;
};

/// The whole page as bytes.
std::string pageText(const std::string& titleHtml, const TagSet& tags,
                     const std::vector<std::string>& lines);

/// Writes the page to fileName atomically (a temporary file in the same
/// folder, renamed over): a failure leaves an existing file untouched and
/// raises FileError naming the file and the system's reason. The window
/// saves through it, so a FIFO, which would hold the window until a reader
/// came, is refused as "Not a regular file".
void SaveOutput(const std::string& fileName, const std::string& titleHtml, const TagSet& tags,
                const std::vector<std::string>& lines);
