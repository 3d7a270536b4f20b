#include "engine/source_lines.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

struct LineCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

// Keeps test listings readable: a case prints as its name, not its bytes.
void PrintTo(const LineCase& lineCase, std::ostream* out) { *out << lineCase.name; }

// \032 is Ctrl+Z.
const LineCase lineCases[] = {
    {"empty input has no lines", "", {}},
    {"last line without a break is kept", "a", {"a"}},
    {"break at the very end adds no line", "a\n", {"a"}},
    {"lone LF is one empty line", "\n", {""}},
    {"two LFs are two empty lines", "\n\n", {"", ""}},
    {"LF ends a line", "ab\ncd\n", {"ab", "cd"}},
    {"CR LF ends a line", "ab\r\ncd\r\n", {"ab", "cd"}},
    {"lone CR ends a line", "ab\rcd\ref", {"ab", "cd", "ef"}},
    {"lone CR at the end adds no line", "a\r", {"a"}},
    {"CR then CR LF", "a\r\r\nb", {"a", "", "b"}},
    {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
    {"Ctrl+Z drops the rest of its line", "ab\032cd\nef", {"ab", "ef"}},
    {"Ctrl+Z rest dropped up to CR LF", "ab\032cd\r\nef", {"ab", "ef"}},
    {"Ctrl+Z rest dropped up to a lone CR", "ab\032cd\ref", {"ab", "ef"}},
    {"Ctrl+Z in the last line", "ab\032cd", {"ab"}},
    {"two Ctrl+Z in one line", "ab\032\032c\nd", {"ab", "d"}},
    {"Ctrl+Z at the start ends the file", "ab\n\032cd\nef", {"ab"}},
    {"Ctrl+Z after CR LF ends the file", "ab\r\n\032\r\nef", {"ab"}},
    {"Ctrl+Z first of all gives no lines", "\032ab", {}},
    {"NUL bytes pass", "a\0b\n\0"s, {"a\0b"s, "\0"s}},
    {"high and control bytes pass", "\xff\xe9\t\x1b\x7f\n", {"\xff\xe9\t\x1b\x7f"}},
    {"long runs of bytes beside the stops pass",
     "\x80\xff\033\034\177 abcdefgh\031\x80\xff\033\034abcdefgh\n\032",
     {"\x80\xff\033\034\177 abcdefgh\031\x80\xff\033\034abcdefgh"}},
};

class SourceLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SourceLinesTest, SplitsBytes) {
  EXPECT_EQ(splitSourceLines(GetParam().bytes), GetParam().lines);
}

Lines readAll(const std::string& bytes, std::size_t chunkSize) {
  std::istringstream in(bytes);
  SourceLineReader reader(in, chunkSize);
  Lines lines;
  std::string line;
  while (reader.next(line)) lines.push_back(line);
  EXPECT_FALSE(reader.next(line)) << "the end stays the end";
  return lines;
}

// Tiny chunks put every break, CR LF pair and Ctrl+Z across a chunk boundary.
TEST_P(SourceLinesTest, ReadsAStreamInChunksOfAnySize) {
  for (std::size_t chunkSize : {1, 2, 3, 5, 1 << 16}) {
    EXPECT_EQ(readAll(GetParam().bytes, chunkSize), GetParam().lines) << "chunk " << chunkSize;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SourceLinesTest, ::testing::ValuesIn(lineCases),
                         [](const auto& test) {
                           std::string name = test.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

/// The rules read literally, one byte at a time, to check the chunked reader
/// against on random input.
Lines referenceSplit(const std::string& bytes) {
  Lines lines;
  std::string line;
  bool inLine = false;
  bool dropping = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(line);
      line.clear();
      inLine = dropping = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (c == '\x1A' && !inLine) {
      return lines;
    } else if (c == '\x1A') {
      dropping = true;
    } else {
      if (!dropping) line += c;
      inLine = true;
    }
  }
  if (inLine) lines.push_back(line);
  return lines;
}

TEST(SourceLineReaderTest, AgreesWithTheLiteralRulesOnRandomInput) {
  // Bytes next to the breaks and Ctrl+Z, and high bytes, test the eight-byte scan.
  const char alphabet[] = {'a', '\n', '\r', '\x1A', '\0', '\x19', '\x1B', '\x80', '\xff'};
  unsigned seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    seed = seed * 1103515245 + 12345;
    const std::size_t length = seed % 40;
    for (std::size_t i = 0; i < length; ++i) {
      seed = seed * 1103515245 + 12345;
      bytes += alphabet[(seed >> 16) % sizeof alphabet];
    }
    const Lines expected = referenceSplit(bytes);
    ASSERT_EQ(splitSourceLines(bytes), expected) << testing::PrintToString(bytes);
    ASSERT_EQ(readAll(bytes, 1 + round % 4), expected) << testing::PrintToString(bytes);
  }
}

TEST(SourceLineReaderTest, KeepsALongLineWhole) {
  const std::string longLine(1 << 20, 'x');
  EXPECT_EQ(readAll(longLine + "\r\nend", 4096), (Lines{longLine, "end"}));
}

TEST(SplitLines, BreaksAtLfCrLfAndLoneCrOnly) {
  EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(splitLines("\r\r\n"), (Lines{"", ""}));
  // Unlike a source file's, a Ctrl+Z in a pane is just a character.
  EXPECT_EQ(splitLines("a\x1A"
                       "b\n\x1A"),
            (Lines{"a\x1A"
                   "b",
                   "\x1A"}));
}

}  // namespace
