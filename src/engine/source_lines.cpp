#include "engine/source_lines.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <streambuf>

namespace {

constexpr char CtrlZCode = '\x1A';

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

/// A read-only stream buffer over bytes held elsewhere, so a string can be
/// read through SourceLineReader without a copy of it.
class ByteViewBuffer : public std::streambuf {
 public:
  explicit ByteViewBuffer(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());
    setg(begin, begin, begin + bytes.size());
  }
};

std::vector<std::string> splitLinesOf(std::string_view bytes, CtrlZ ctrlZ) {
  ByteViewBuffer buffer(bytes);
  std::istream in(&buffer);
  SourceLineReader reader(in, 1 << 16, ctrlZ);
  std::vector<std::string> lines;
  std::string line;
  while (reader.next(line)) lines.push_back(line);
  return lines;
}

}  // namespace

std::vector<std::string> splitSourceLines(std::string_view bytes) {
  return splitLinesOf(bytes, CtrlZ::EndsText);
}

std::vector<std::string> splitLines(std::string_view text) {
  return splitLinesOf(text, CtrlZ::IsText);
}

namespace {

/// True for the bytes that end the text of a line: a break, or a Ctrl+Z
/// when it ends the text.
template <bool CtrlZEndsText>
bool endsLineText(char c) {
  const auto byte = static_cast<unsigned char>(c);
  // One compare settles the common case: every byte above Ctrl+Z is text.
  return byte <= 0x1A && (isLineBreak(c) || (CtrlZEndsText && c == CtrlZCode));
}

/// The first byte of [begin, end) that ends the text of a line, or end.
/// Source text has few bytes below 0x1B, so it looks at eight bytes at a time
/// and only at the bytes below 0x1B of a word that holds such a byte.
template <bool CtrlZEndsText>
const char* findLineTextEnd(const char* begin, const char* end) {
  constexpr std::uint64_t ones = 0x0101010101010101;
  constexpr std::uint64_t highBits = 0x8080808080808080;
  const char* p = begin;
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t low = (word - ones * 0x1B) & ~word & highBits;
    if (low == 0) {
      p += 8;
      continue;
    }
    // On a little-endian machine the lowest bit set marks the first such byte
    // (a borrow only reaches the bytes after it); elsewhere step byte by byte.
    if constexpr (std::endian::native == std::endian::little) p += std::countr_zero(low) / 8;
    if (endsLineText<CtrlZEndsText>(*p)) return p;
    ++p;
  }
  return std::find_if(p, end, endsLineText<CtrlZEndsText>);
}

}  // namespace

SourceLineReader::SourceLineReader(std::istream& in, std::size_t chunkSize, CtrlZ ctrlZ)
    : in_(in),
      chunkSize_(std::max<std::size_t>(chunkSize, 1)),
      ctrlZEndsText_(ctrlZ == CtrlZ::EndsText),
      chunk_(new char[chunkSize_]) {}

bool SourceLineReader::fill() {
  if (pos_ < end_) return true;
  pos_ = 0;
  end_ = 0;
  if (!in_.good()) return false;
  in_.read(chunk_.get(), static_cast<std::streamsize>(chunkSize_));
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool SourceLineReader::next(std::string& line) {
  std::string_view view;
  const bool found = next(view);
  line.assign(view);
  return found;
}

bool SourceLineReader::next(std::string_view& line) {
  line = {};
  carry_.clear();
  if (finished_) return false;
  if (crPending_ && fill()) {
    crPending_ = false;
    if (chunk_[pos_] == '\n') ++pos_;
  }
  if (!fill() || (ctrlZEndsText_ && chunk_[pos_] == CtrlZCode)) {
    finished_ = true;
    return false;
  }
  for (;;) {
    const char* begin = chunk_.get() + pos_;
    const char* end = chunk_.get() + end_;
    const char* stop =
        ctrlZEndsText_ ? findLineTextEnd<true>(begin, end) : findLineTextEnd<false>(begin, end);
    pos_ += static_cast<std::size_t>(stop - begin);
    if (stop == end) {
      carry_.append(begin, stop);
      if (fill()) continue;
      line = carry_;
      return true;
    }
    // Skipping after a Ctrl+Z may refill the chunk under a view.
    if (!carry_.empty() || *stop == CtrlZCode) {
      carry_.append(begin, stop);
      line = carry_;
      if (*stop == CtrlZCode) skipToLineBreak();
    } else {
      line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
    }
    if (fill()) consumeLineBreak();
    return true;
  }
}

void SourceLineReader::skipToLineBreak() {
  while (fill()) {
    const char* begin = chunk_.get() + pos_;
    const char* end = chunk_.get() + end_;
    const char* stop = std::find_if(begin, end, isLineBreak);
    pos_ += static_cast<std::size_t>(stop - begin);
    if (stop != end) return;
  }
}

void SourceLineReader::consumeLineBreak() {
  crPending_ = chunk_[pos_] == '\r';
  ++pos_;
}
