#include "cli/page_converter.h"

#include "engine/source_lines.h"
#include "files/atomic_file.h"
#include "files/file_error.h"
#include "files/utf8_path.h"
#include "output/page_writer.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>

PageConverter::PageConverter(const TagSet& tags, bool linesOnly)
    : tags_(tags), linesOnly_(linesOnly), converter_(tags) {}

void PageConverter::convert(std::istream& in, const std::string& sourceName, std::ostream& out,
                            const std::string& titleHtml) {
  PageWriter writer(out, tags_);
  if (!linesOnly_) writer.writeHead(titleHtml);
  SourceLineReader reader(in);
  lines_.clear();
  CommentState state = CommentState::None;
  errno = 0;
  std::string_view line;
  try {
    while (reader.next(line)) {
      converter_.convertLine(line, state, lines_);
      lines_ += PageLineEnd;
      if (lines_.size() >= BlockSize) flushLines(writer);
    }
  } catch (const std::bad_alloc&) {
    // Only a line longer than the memory can hold gets here.
    throw FileError("read", sourceName, ENOMEM, TooLargeForMemory);
  }
  flushLines(writer);
  // A failed read looks like an early end to the reader; errno holds why.
  if (in.bad()) throw FileError("read", sourceName, errno != 0 ? errno : EIO);
  if (!linesOnly_) writer.writeTail();
}

void PageConverter::flushLines(PageWriter& writer) {
  writer.writeLines(lines_);
  lines_.clear();
}

void PageConverter::convertFile(const std::string& sourcePath, const std::string& pagePath,
                                const std::string& titleHtml) {
  std::error_code notFound;
  if (!isStandardInput(sourcePath) && std::filesystem::equivalent(sourcePath, pagePath, notFound))
    throw pageOnSourceError(pagePath, sourcePath);
  std::ifstream file;
  std::istream& in = openSource(sourcePath, file);
  AtomicFile page(pagePath);
  convert(in, sourcePath, page.stream(), titleHtml);
  page.commit();
}

FileError pageOnSourceError(const std::string& pagePath, const std::string& sourcePath) {
  return FileError("write", pagePath, EEXIST, "it is the source file '" + sourcePath + "'");
}

std::istream& openSource(const std::string& sourcePath, std::ifstream& file) {
  if (isStandardInput(sourcePath)) return std::cin;
  // A folder opens like a file and fails only at its first read, after the
  // page has begun.
  std::error_code ignored;
  const std::filesystem::path path = utf8Path(sourcePath);
  if (std::filesystem::is_directory(path, ignored)) throw FileError("read", sourcePath, EISDIR);
  file.open(path, std::ios::binary);
  if (!file.is_open()) throw FileError("read", sourcePath, errno);
  return file;
}
