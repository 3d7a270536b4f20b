#pragma once

#include "engine/converter.h"
#include "engine/tag_set.h"
#include "files/file_error.h"
#include "output/page_writer.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

/// Streams sources through the engine into pages, one line at a time, so
/// memory stays bounded by the longest line. Holds a Converter: one per thread.
class PageConverter {
 public:
  /// With linesOnly, only the converted lines are written, each ending CR LF;
  /// with lineNumbers, the pages number their lines.
  PageConverter(const TagSet& tags, bool linesOnly, bool lineNumbers = false);

  /// Converts the source read from in (named sourceName in errors) and writes
  /// the page titled titleHtml to out.
  void convert(std::istream& in, const std::string& sourceName, std::ostream& out,
               const std::string& titleHtml);

  /// Converts the source file at sourcePath ("-": standard input) into the
  /// file pagePath, written atomically. Refuses a pagePath that is the source
  /// file itself, by whatever name or link.
  void convertFile(const std::string& sourcePath, const std::string& pagePath,
                   const std::string& titleHtml);

 private:
  /// Writes the converted lines gathered so far and empties the block.
  void flushLines(PageWriter& writer);
  /// How many lines *in holds from where it stands, which the page must say
  /// before its first line. Afterwards *in reads them again from there: the
  /// same stream rewound, or a copy_ of what a stream that cannot seek (a
  /// pipe) held.
  std::size_t countLines(std::istream*& in, const std::string& sourceName);

  /// How many bytes of converted lines are gathered before they are written:
  /// one write per block rather than one per line.
  static constexpr std::size_t BlockSize = 1 << 18;

  const TagSet& tags_;
  bool linesOnly_;
  bool lineNumbers_;
  Converter converter_;
  std::string lines_;
  std::istringstream copy_;
};

/// "Cannot write file '<page>': it is the source file '<source>'": a page
/// that would take a source's place.
FileError pageOnSourceError(const std::string& pagePath, const std::string& sourcePath);

/// "-" stands for standard input.
inline bool isStandardInput(const std::string& sourcePath) { return sourcePath == "-"; }

/// Raises "Cannot read file '<sourceName>': <reason>" when a read of in
/// failed; call it with errno as the failed read left it.
void raiseReadFailure(const std::istream& in, const std::string& sourceName);

/// Everything in holds from where it stands; raises "Cannot read file
/// '<sourceName>': <reason>", the reason for a source larger than the
/// memory being TooLargeForMemory.
std::string readAllOf(std::istream& in, const std::string& sourceName);

/// Raises "Cannot write file '<output>': it is the source file '<source>'"
/// when outputPath is the source file itself, by whatever name or link.
void refuseSourceAsOutput(const std::string& sourcePath, const std::string& outputPath);

/// The stream to read sourcePath from: standard input for "-", else file,
/// opened; raises "Cannot read file '<path>': <reason>".
std::istream& openSource(const std::string& sourcePath, std::ifstream& file);
