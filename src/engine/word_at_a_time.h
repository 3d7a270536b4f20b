#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

/// Runs of code scanned eight bytes at a time. Names and gaps are short and of
/// any length, so a byte loop ends at a branch the processor often guesses
/// wrong; classifying eight bytes at once and taking the first stop avoids
/// most of those. Every byte is classified on its own: no carry or borrow
/// crosses from one byte to the next.
namespace word_at_a_time {

inline constexpr std::uint64_t Ones = 0x0101010101010101;
inline constexpr std::uint64_t HighBits = Ones * 0x80;

/// The high bit of each byte of bytes that lies in lo..hi, where hi < 0x80.
constexpr std::uint64_t inRange(std::uint64_t bytes, unsigned char lo, unsigned char hi) {
  // Without their high bits the sums below stay inside their bytes; a byte
  // with its high bit set is out of every range asked for.
  const std::uint64_t ascii = bytes & ~HighBits;
  const std::uint64_t atLeastLo = ascii + Ones * (0x80 - lo);
  const std::uint64_t aboveHi = ascii + Ones * (0x7F - hi);
  return atLeastLo & ~aboveHi & ~bytes & HighBits;
}

/// The high bit of each byte of bytes that is not a letter or digit.
constexpr std::uint64_t nonWordBytes(std::uint64_t bytes) {
  // Bit 5 set turns A to Z into a to z; no other byte becomes a letter.
  const std::uint64_t letters = inRange(bytes | Ones * 0x20, 'a', 'z');
  return ~(letters | inRange(bytes, '0', '9')) & HighBits;
}

/// The high bit of each byte of bytes that is not a space.
constexpr std::uint64_t nonSpaceBytes(std::uint64_t bytes) {
  return ~inRange(bytes, ' ', ' ') & HighBits;
}

/// The place in memory order of the first byte whose high bit marks holds.
inline std::size_t firstMarked(std::uint64_t marks) {
  const int bit = std::endian::native == std::endian::little ? std::countr_zero(marks)
                                                             : std::countl_zero(marks);
  return static_cast<std::size_t>(bit / 8);
}

/// The first place from begin of text where stops marks a byte, or the end
/// of text; stops takes eight bytes, belongs one.
template <typename Stops, typename Belongs>
[[gnu::always_inline]] inline std::size_t runEnd(std::string_view text, std::size_t begin,
                                                 Stops stops, Belongs belongs) {
  std::size_t end = begin;
  for (std::uint64_t bytes; text.size() - end >= sizeof bytes; end += sizeof bytes) {
    std::memcpy(&bytes, text.data() + end, sizeof bytes);
    if (const std::uint64_t marks = stops(bytes); marks != 0) return end + firstMarked(marks);
  }
  while (end < text.size() && belongs(text[end])) ++end;
  return end;
}

}  // namespace word_at_a_time
