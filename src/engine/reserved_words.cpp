#include "engine/reserved_words.h"

#include "engine/char_classes.h"

#include <algorithm>
#include <cstddef>

namespace {

using char_classes::toLower;

constexpr std::size_t longestWord =
    std::ranges::max(ReservedWords, {}, &std::string_view::size).size();
constexpr std::size_t shortestWord =
    std::ranges::min(ReservedWords, {}, &std::string_view::size).size();

constexpr std::size_t slotCount = 256;

/// A hash of a word of two or more characters, blind to case. Its factors
/// put the 70 words into the table with at most two probes each.
constexpr std::size_t slotOf(std::string_view word) {
  const auto code = [](char c) { return static_cast<std::size_t>(toLower(c)); };
  return (code(word[0]) * 12 + code(word[1]) * 36 + code(word.back()) * 7 + word.size()) %
         slotCount;
}

/// An open-addressing table of the words, built at compile time.
constexpr std::array<std::string_view, slotCount> wordSlots = [] {
  std::array<std::string_view, slotCount> slots{};
  for (std::string_view word : ReservedWords) {
    std::size_t slot = slotOf(word);
    while (!slots[slot].empty()) {
      slot = (slot + 1) % slotCount;
    }
    slots[slot] = word;
  }
  return slots;
}();

bool equalsLowerWord(std::string_view word, std::string_view lowerWord) {
  return word.size() == lowerWord.size() &&
         std::equal(word.begin(), word.end(), lowerWord.begin(),
                    [](char c, char lower) { return toLower(c) == lower; });
}

}  // namespace

bool isReservedWord(std::string_view word) {
  if (word.size() < shortestWord || word.size() > longestWord) {
    return false;
  }
  for (std::size_t slot = slotOf(word); !wordSlots[slot].empty(); slot = (slot + 1) % slotCount) {
    if (equalsLowerWord(word, wordSlots[slot])) {
      return true;
    }
  }
  return false;
}
