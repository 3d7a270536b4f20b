#include "output/page_writer.h"

#include "engine/escaped_text.h"
#include "files/atomic_file.h"

#include <algorithm>
#include <sstream>

namespace {

void writePage(std::ostream& out, const std::string& titleHtml, const TagSet& tags,
               const std::vector<std::string>& lines, bool lineNumbers) {
  PageWriter writer(out, tags, {lineNumbers, lines.size()});
  writer.writeHead(titleHtml);
  for (const std::string& line : lines) writer.writeLine(line);
  writer.writeTail();
}

}  // namespace

PageWriter::PageWriter(std::ostream& out, const TagSet& tags, LineNumbering numbering)
    : out_(out), tags_(tags), numbering_(numbering) {}

void PageWriter::writeRow(std::string_view row) {
  writeBytes(row);
  writeBytes(PageLineEnd);
}

void PageWriter::writeBytes(std::string_view bytes) {
  // Straight into the buffer: the stream's per-call checks would cost more
  // than the copying of a short row.
  const auto length = static_cast<std::streamsize>(bytes.size());
  if (out_.rdbuf()->sputn(bytes.data(), length) != length) out_.setstate(std::ios::badbit);
}

void PageWriter::writeHead(const std::string& titleHtml) {
  writeRow("<html>");
  writeRow("<head>");
  writeRow("  <title>" + titleHtml + "</title>");
  if (!tags_.Incode)
    writeRow("  <link rel=\"stylesheet\" href=\"" + escapeHtmlAttribute(tags_.StyleSheet) +
             "\" type=\"text/css\">");
  if (numbering_.on) writeLineNumberStyle();
  writeRow("</head>");
  writeRow("");
  writeRow("");
  writeRow("<!-- FORMATTED BY TESSALINE V1.0 -->");
  writeRow("<!-- Download for free at www.korvane.example -->");
  writeRow("");
  writeRow("");
  writeRow("<body>");
  writeRow("<pre>");
}

void PageWriter::writeLineNumberStyle() {
  // As wide as the last number. An inline block takes no underline of the
  // markup around it; colour, weight and slant are set against the rest.
  const std::string digits = std::to_string(std::max<std::size_t>(numbering_.lineCount, 1));
  writeRow("  <style type=\"text/css\">");
  writeRow("    pre { counter-reset: tessaline-line; }");
  writeRow("    span.tessaline-line {");
  writeRow("      display: inline-block; width: " + std::to_string(digits.size()) +
           "ch; margin-right: 1ch; text-align: right;");
  writeRow("      color: #808080; font-style: normal; font-weight: normal;");
  writeRow("      counter-increment: tessaline-line;");
  writeRow("    }");
  writeRow("    span.tessaline-line::before { content: counter(tessaline-line); }");
  writeRow("  </style>");
}

void PageWriter::writeLine(const std::string& line) {
  writeBytes(linePrefix());
  writeRow(line);
}

void PageWriter::writeLines(std::string_view lines) { writeBytes(lines); }

void PageWriter::writeTail() {
  writeRow("</pre>");
  writeRow("</body>");
  writeRow("</html>");
}

std::string pageText(const std::string& titleHtml, const TagSet& tags,
                     const std::vector<std::string>& lines, bool lineNumbers) {
  std::ostringstream page;
  writePage(page, titleHtml, tags, lines, lineNumbers);
  return std::move(page).str();
}

void SaveOutput(const std::string& fileName, const std::string& titleHtml, const TagSet& tags,
                const std::vector<std::string>& lines, bool lineNumbers) {
  AtomicFile file(fileName, {.refusePipes = true});
  writePage(file.stream(), titleHtml, tags, lines, lineNumbers);
  file.commit();
}
