#include "output/page_writer.h"

#include "engine/escaped_text.h"
#include "files/atomic_file.h"

#include <sstream>

namespace {

void writePage(std::ostream& out, const std::string& titleHtml, const TagSet& tags,
               const std::vector<std::string>& lines) {
  PageWriter writer(out, tags);
  writer.writeHead(titleHtml);
  for (const std::string& line : lines) writer.writeLine(line);
  writer.writeTail();
}

}  // namespace

PageWriter::PageWriter(std::ostream& out, const TagSet& tags) : out_(out), tags_(tags) {}

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

void PageWriter::writeLine(const std::string& line) { writeRow(line); }

void PageWriter::writeLines(std::string_view lines) { writeBytes(lines); }

void PageWriter::writeTail() {
  writeRow("</pre>");
  writeRow("</body>");
  writeRow("</html>");
}

std::string pageText(const std::string& titleHtml, const TagSet& tags,
                     const std::vector<std::string>& lines) {
  std::ostringstream page;
  writePage(page, titleHtml, tags, lines);
  return std::move(page).str();
}

void SaveOutput(const std::string& fileName, const std::string& titleHtml, const TagSet& tags,
                const std::vector<std::string>& lines) {
  AtomicFile file(fileName, {.refusePipes = true});
  writePage(file.stream(), titleHtml, tags, lines);
  file.commit();
}
