#include "engine/word_at_a_time.h"

#include "engine/char_classes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

/// The marks a byte-by-byte classification gives, in memory order.
std::uint64_t marksOf(const std::string& eight, bool (*stops)(char)) {
  unsigned char marks[8] = {};
  for (std::size_t i = 0; i < 8; ++i) marks[i] = stops(eight[i]) ? 0x80 : 0;
  std::uint64_t word;
  std::memcpy(&word, marks, sizeof word);
  return word;
}

std::uint64_t wordOf(const std::string& eight) {
  std::uint64_t word;
  std::memcpy(&word, eight.data(), sizeof word);
  return word;
}

bool isNotWordChar(char c) { return !char_classes::isWordChar(c); }
bool isNotSpace(char c) { return c != ' '; }

// Every byte value in every place, beside neighbours that would carry or
// borrow into it if the classes leaked from byte to byte.
TEST(WordAtATime, ClassifiesEveryByteOnItsOwn) {
  for (char neighbour : {'\0', ' ', '9', 'z', '\x7f', '\x80', '\xff'}) {
    for (int value = 0; value < 256; ++value) {
      for (std::size_t place = 0; place < 8; ++place) {
        std::string eight(8, neighbour);
        eight[place] = static_cast<char>(value);
        EXPECT_EQ(word_at_a_time::nonWordBytes(wordOf(eight)), marksOf(eight, isNotWordChar))
            << value << " at " << place;
        EXPECT_EQ(word_at_a_time::nonSpaceBytes(wordOf(eight)), marksOf(eight, isNotSpace))
            << value << " at " << place;
      }
    }
  }
}

TEST(WordAtATime, RunEndsWhereTheByteLoopWould) {
  std::mt19937 random(7);
  const std::string alphabet = "aZ09 _\t\xC9\x80";
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 30, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    const std::size_t begin = text.empty() ? 0 : random() % text.size();
    std::size_t expected = begin;
    while (expected < text.size() && char_classes::isWordChar(text[expected])) ++expected;
    EXPECT_EQ(
        word_at_a_time::runEnd(text, begin, word_at_a_time::nonWordBytes, char_classes::isWordChar),
        expected)
        << text << " from " << begin;
  }
}

}  // namespace
