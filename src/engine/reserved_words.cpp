#include "engine/reserved_words.h"

#include "engine/char_classes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t longestWord =
    std::ranges::max(ReservedWords, {}, &std::string_view::size).size();
constexpr std::size_t shortestWord =
    std::ranges::min(ReservedWords, {}, &std::string_view::size).size();

constexpr std::size_t slotCount = 256;

constexpr std::size_t slotOf(std::string_view lowerWord) {
  std::uint32_t hash = 2166136261u;
  for (char c : lowerWord) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  return hash % slotCount;
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

}  // namespace

bool isReservedWord(std::string_view word) {
  if (word.size() < shortestWord || word.size() > longestWord) {
    return false;
  }
  std::array<char, longestWord> lower{};
  std::transform(word.begin(), word.end(), lower.begin(), char_classes::toLower);
  const std::string_view lowerWord(lower.data(), word.size());
  for (std::size_t slot = slotOf(lowerWord); !wordSlots[slot].empty();
       slot = (slot + 1) % slotCount) {
    if (wordSlots[slot] == lowerWord) {
      return true;
    }
  }
  return false;
}
