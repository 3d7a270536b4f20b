#include "engine/code_marker.h"

#include "engine/char_classes.h"
#include "engine/reserved_words.h"

#include <algorithm>
#include <cstddef>

namespace {

using char_classes::isWordChar;

// Lambdas rather than function pointers, so that the run scans inline them.
constexpr auto inNumberRun = [](char c) { return char_classes::isNumberRunChar(c); };
constexpr auto inWord = [](char c) { return isWordChar(c); };

/// Copies a code segment to out, with markup inserted at ascending
/// positions; the text between two insertions is copied in one piece.
class MarkupWriter {
 public:
  MarkupWriter(std::string_view code, const TagSet& tags, std::string& out)
      : code_(code), tags_(tags), out_(out) {}

  void wrapNumberRun(std::size_t begin, std::size_t end) {
    closeReservedSpan();
    insert(begin, tags_.NumberOpen);
    insert(end, tags_.NumberClose);
  }

  /// Opens a reserved span at begin, or stretches the open one over the
  /// spaces up to begin.
  void addReservedWord(std::size_t begin, std::size_t end) {
    if (!spanOpen_) {
      insert(begin, tags_.ReservedOpen);
      spanOpen_ = true;
    }
    spanEnd_ = end;
  }

  void closeReservedSpan() {
    if (spanOpen_) {
      insert(spanEnd_, tags_.ReservedClose);
      spanOpen_ = false;
    }
  }

  void finish() {
    closeReservedSpan();
    copyUpTo(code_.size());
  }

 private:
  void copyUpTo(std::size_t pos) {
    out_.append(code_.substr(copied_, pos - copied_));
    copied_ = pos;
  }

  void insert(std::size_t pos, const std::string& markup) {
    copyUpTo(pos);
    out_ += markup;
  }

  std::string_view code_;
  const TagSet& tags_;
  std::string& out_;
  std::size_t copied_ = 0;
  bool spanOpen_ = false;
  std::size_t spanEnd_ = 0;
};

/// The end of the run of characters that satisfy belongs, from begin on.
template <typename Belongs>
std::size_t runEnd(std::string_view text, std::size_t begin, Belongs belongs) {
  return static_cast<std::size_t>(std::find_if_not(text.begin() + begin, text.end(), belongs) -
                                  text.begin());
}

bool followsWordChar(std::string_view text, std::size_t pos) {
  return pos > 0 && isWordChar(text[pos - 1]);
}

}  // namespace

void appendMarkedCode(std::string_view code, const TagSet& tags, std::string& out) {
  MarkupWriter writer(code, tags, out);
  std::size_t pos = 0;
  while (pos < code.size()) {
    const char c = code[pos];
    // A digit right behind a letter or digit belongs to a name such as "Edit1".
    const bool startsNumberRun =
        c == '#' || c == '$' || (char_classes::isDigit(c) && !followsWordChar(code, pos));
    if (startsNumberRun) {
      const std::size_t end = runEnd(code, pos + 1, inNumberRun);
      writer.wrapNumberRun(pos, end);
      pos = end;
    } else if (char_classes::isLetter(c)) {
      const std::size_t end = runEnd(code, pos + 1, inWord);
      if (!followsWordChar(code, pos) && isReservedWord(code.substr(pos, end - pos))) {
        writer.addReservedWord(pos, end);
      } else {
        writer.closeReservedSpan();
      }
      pos = end;
    } else {
      if (c != ' ') {
        writer.closeReservedSpan();
      }
      ++pos;
    }
  }
  writer.finish();
}
