#include "engine/reserved_words.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t longestWord =
    std::ranges::max(ReservedWords, {}, &std::string_view::size).size();
constexpr std::size_t letterCount = 26;

/// The reserved words that share an initial letter and a length: a run of
/// wordsByBucket.
struct Bucket {
  std::uint8_t first = 0;
  std::uint8_t count = 0;
};

constexpr std::size_t bucketOf(std::size_t letter, std::size_t length) {
  return letter * (longestWord + 1) + length;
}

/// The table's words ordered by initial letter, then length.
constexpr std::array<std::string_view, ReservedWords.size()> wordsByBucket = [] {
  auto words = ReservedWords;
  std::ranges::sort(words, {}, [](std::string_view word) {
    return std::pair(bucketOf(static_cast<std::size_t>(word[0] - 'a'), word.size()), word);
  });
  return words;
}();

constexpr std::array<Bucket, letterCount*(longestWord + 1)> buckets = [] {
  std::array<Bucket, letterCount*(longestWord + 1)> table{};
  for (std::size_t i = 0; i < wordsByBucket.size(); ++i) {
    const std::string_view word = wordsByBucket[i];
    Bucket& bucket = table[bucketOf(static_cast<std::size_t>(word[0] - 'a'), word.size())];
    if (bucket.count == 0) bucket.first = static_cast<std::uint8_t>(i);
    ++bucket.count;
  }
  return table;
}();

/// Setting bit 5 turns A to Z into a to z, and no byte but these two ranges
/// turns into a lower-case letter, so this compares any bytes against a word
/// of lower-case letters without regard to case.
bool equalsLowerWord(std::string_view word, std::string_view lowerWord) {
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    if ((word[i] | 0x20) != lowerWord[i]) return false;
  }
  return true;
}

}  // namespace

bool isReservedWord(std::string_view word) {
  if (word.empty() || word.size() > longestWord) return false;
  const auto letter = static_cast<std::size_t>(static_cast<unsigned char>(word[0] | 0x20) - 'a');
  if (letter >= letterCount) return false;
  const Bucket bucket = buckets[bucketOf(letter, word.size())];
  for (std::size_t i = bucket.first; i < bucket.first + bucket.count; ++i) {
    if (equalsLowerWord(word, wordsByBucket[i])) return true;
  }
  return false;
}
