#include "random_source.h"

#include "reference_converter.h"

#include <array>
#include <string_view>

namespace {

constexpr auto fragments = std::to_array<std::string_view>(
    {" ",       " ",          "  ",     "\t",        "\t\t",
     "x",       "Edit1",      "my_end", "beginning", "_a",
     "integer", "endif1",     "1for",   "i",         "10",
     "1.5",     "1e3",        "$FF",    "$1F",       "#13#10",
     "#",       "$",          "007",    "-1",        "{",
     "}",       "(*",         "*)",     "(",         ")",
     "*",       "'",          "''",     "//",        "/",
     "(*)",     "{$R *.res}", "<",      ">",         "&",
     ";",       "_",          "&lt;",   ":=",        ".",
     ",",       "\x80",       "\xE9",   "\xFF",      "x<>nil",
     "'it''s'", "\r",         "{ a }",  "(* b *)",   "end else begin",
     "a&b",     "Button12",   "a#1",    "(**)",      "(*)*)",
     "$and",    "#begin",     "and$",   "nil>",      "<1",
     "&amp;",   "'//'",       "}'",     "*)'",       "{ (* }",
     "(* { *)", "{}",         "0",      "1_2"});

std::string randomCase(std::string_view word, std::mt19937& random) {
  std::string cased(word);
  for (char& c : cased) {
    if (random() % 2 == 0) {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return cased;
}

std::string randomFragment(std::mt19937& random) {
  switch (random() % 8) {
    case 0:
    case 1: {
      const std::vector<std::string>& words = referenceReservedWords();
      return randomCase(words[random() % words.size()], random);
    }
    case 2: {
      // Any byte but the line break the lines were split on.
      const char byte = static_cast<char>(random() % 255 + 1);
      return std::string(1, byte == '\n' ? '\0' : byte);
    }
    default:
      return std::string(fragments[random() % fragments.size()]);
  }
}

}  // namespace

std::vector<std::string> randomSourceLines(std::mt19937& random) {
  std::vector<std::string> lines(random() % 6 + 1);
  for (std::string& line : lines) {
    // Now and then a long line, where shifted positions run far.
    const unsigned most = random() % 50 == 0 ? 400 : 16;
    for (auto count = static_cast<unsigned>(random() % most); count > 0; --count) {
      line += randomFragment(random);
    }
  }
  return lines;
}
