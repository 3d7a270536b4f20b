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
#include <iterator>
#include <new>

PageConverter::PageConverter(const TagSet& tags, bool linesOnly, bool lineNumbers)
    : tags_(tags), linesOnly_(linesOnly), lineNumbers_(lineNumbers), converter_(tags) {}

void PageConverter::convert(std::istream& in, const std::string& sourceName, std::ostream& out,
                            const std::string& titleHtml) {
  std::istream* source = &in;
  LineNumbering numbering;
  if (lineNumbers_) numbering = {true, countLines(source, sourceName)};
  PageWriter writer(out, tags_, numbering);
  if (!linesOnly_) writer.writeHead(titleHtml);
  SourceLineReader reader(*source);
  lines_.clear();
  CommentState state = CommentState::None;
  errno = 0;
  std::string_view line;
  const std::string_view prefix = writer.linePrefix();
  try {
    while (reader.next(line)) {
      if (!prefix.empty()) lines_ += prefix;
      converter_.convertLine(line, state, lines_);
      lines_ += PageLineEnd;
      if (lines_.size() >= BlockSize) flushLines(writer);
    }
  } catch (const std::bad_alloc&) {
    // Only a line longer than the memory can hold gets here.
    throw FileError("read", sourceName, ENOMEM, TooLargeForMemory);
  }
  flushLines(writer);
  raiseReadFailure(*source, sourceName);
  if (!linesOnly_) writer.writeTail();
}

std::size_t PageConverter::countLines(std::istream*& in, const std::string& sourceName) {
  errno = 0;
  const std::istream::pos_type start = in->tellg();
  if (start == std::istream::pos_type(-1)) {
    in->clear();
    copy_.str(readAllOf(*in, sourceName));
    copy_.clear();
    in = &copy_;
    return countLines(in, sourceName);
  }
  SourceLineReader reader(*in);
  std::size_t count = 0;
  std::string_view line;
  while (reader.next(line)) ++count;
  raiseReadFailure(*in, sourceName);
  in->clear();
  in->seekg(start);
  return count;
}

void PageConverter::flushLines(PageWriter& writer) {
  writer.writeLines(lines_);
  lines_.clear();
}

void PageConverter::convertFile(const std::string& sourcePath, const std::string& pagePath,
                                const std::string& titleHtml) {
  refuseSourceAsOutput(sourcePath, pagePath);
  std::ifstream file;
  std::istream& in = openSource(sourcePath, file);
  AtomicFile page(pagePath);
  convert(in, sourcePath, page.stream(), titleHtml);
  page.commit();
}

void raiseReadFailure(const std::istream& in, const std::string& sourceName) {
  // A failed read looks like an early end to a reader; errno holds why.
  if (in.bad()) throw FileError("read", sourceName, errno != 0 ? errno : EIO);
}

std::string readAllOf(std::istream& in, const std::string& sourceName) {
  errno = 0;
  try {
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    raiseReadFailure(in, sourceName);
    return bytes;
  } catch (const std::bad_alloc&) {
    throw FileError("read", sourceName, ENOMEM, TooLargeForMemory);
  }
}

FileError pageOnSourceError(const std::string& pagePath, const std::string& sourcePath) {
  return FileError("write", pagePath, EEXIST, "it is the source file '" + sourcePath + "'");
}

void refuseSourceAsOutput(const std::string& sourcePath, const std::string& outputPath) {
  std::error_code notFound;
  if (!isStandardInput(sourcePath) && std::filesystem::equivalent(sourcePath, outputPath, notFound))
    throw pageOnSourceError(outputPath, sourcePath);
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
