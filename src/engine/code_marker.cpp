#include "engine/code_marker.h"

#include "engine/char_classes.h"
#include "engine/escaped_text.h"
#include "engine/reserved_words.h"
#include "engine/token_start.h"
#include "engine/word_at_a_time.h"

#include <array>
#include <cstdint>

namespace {

/// What a byte of code means to the scan.
enum class CodeByte : std::uint8_t {
  Plain,
  Space,
  Tab,
  Letter,
  Digit,
  NumberSign,
  EscapedMark,
  MayOpenToken
};

constexpr std::array<CodeByte, 256> codeBytes = [] {
  std::array<CodeByte, 256> kinds{};
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    if (char_classes::isLetter(byte)) kinds[c] = CodeByte::Letter;
    if (char_classes::isDigit(byte)) kinds[c] = CodeByte::Digit;
    if (MayOpenToken[c]) kinds[c] = CodeByte::MayOpenToken;
  }
  kinds[' '] = CodeByte::Space;
  kinds['\t'] = CodeByte::Tab;
  kinds['#'] = kinds['$'] = CodeByte::NumberSign;
  kinds['<'] = kinds['>'] = kinds['&'] = CodeByte::EscapedMark;
  return kinds;
}();

CodeByte kindOf(char c) { return codeBytes[static_cast<unsigned char>(c)]; }

/// A table of the bytes that pass one test, built from that test.
constexpr std::array<bool, 256> bytesWhere(bool (*passes)(CodeByte)) {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = passes(codeBytes[c]);
  return table;
}

constexpr auto wordBytes =
    bytesWhere([](CodeByte kind) { return kind == CodeByte::Letter || kind == CodeByte::Digit; });
constexpr auto numberRunBytes = bytesWhere(
    [](CodeByte kind) { return kind == CodeByte::Digit || kind == CodeByte::NumberSign; });
constexpr auto spaceBytes = bytesWhere([](CodeByte kind) { return kind == CodeByte::Space; });
/// The bytes that neither start nor continue anything: a run of them after a
/// plain byte only needs copying.
constexpr auto quietBytes =
    bytesWhere([](CodeByte kind) { return kind == CodeByte::Plain || kind == CodeByte::Space; });

// Lambdas rather than function pointers, so that the run scans inline them.
constexpr auto inWord = [](char c) { return wordBytes[static_cast<unsigned char>(c)]; };
constexpr auto inNumberRun = [](char c) { return numberRunBytes[static_cast<unsigned char>(c)]; };
constexpr auto isSpace = [](char c) { return spaceBytes[static_cast<unsigned char>(c)]; };
constexpr auto isQuiet = [](char c) { return quietBytes[static_cast<unsigned char>(c)]; };

/// Copies code to out, with markup inserted at ascending positions; the text
/// between two insertions is copied in one piece, escaped if it holds a byte
/// that the scan noted as escaped.
class MarkupWriter {
 public:
  MarkupWriter(std::string_view line, std::size_t begin, int tabSpaces, const TagSet& tags,
               std::string& out)
      : line_(line), tabSpaces_(tabSpaces), tags_(tags), out_(out), copied_(begin) {}

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

  void noteEscaped(std::size_t pos) { escapedEnd_ = pos + 1; }

  void finish(std::size_t end) {
    closeReservedSpan();
    copyUpTo(end);
  }

 private:
  void copyUpTo(std::size_t pos) {
    const std::string_view text = line_.substr(copied_, pos - copied_);
    // A run that begins before the last noted byte may hold escaped bytes;
    // appendEscaped finds them.
    if (escapedEnd_ > copied_) {
      appendEscaped(text, tabSpaces_, out_);
    } else {
      out_.append(text);
    }
    copied_ = pos;
  }

  void insert(std::size_t pos, const std::string& markup) {
    copyUpTo(pos);
    out_ += markup;
  }

  std::string_view line_;
  int tabSpaces_;
  const TagSet& tags_;
  std::string& out_;
  std::size_t copied_;
  std::size_t escapedEnd_ = 0;
  bool spanOpen_ = false;
  std::size_t spanEnd_ = 0;
};

/// The end of the run of characters that satisfy belongs, from begin on.
/// A plain loop: runs are short, too short for an unrolled search to pay.
template <typename Belongs>
std::size_t runEnd(std::string_view text, std::size_t begin, Belongs belongs) {
  std::size_t end = begin;
  while (end < text.size() && belongs(text[end])) ++end;
  return end;
}

std::size_t wordEnd(std::string_view text, std::size_t begin) {
  return word_at_a_time::runEnd(text, begin, word_at_a_time::nonWordBytes, inWord);
}

std::size_t spacesEnd(std::string_view text, std::size_t begin) {
  return word_at_a_time::runEnd(text, begin, word_at_a_time::nonSpaceBytes, isSpace);
}

bool followsWordChar(std::string_view text, std::size_t pos) {
  return pos > 0 && inWord(text[pos - 1]);
}

/// Marks the name or reserved word that begins at pos; returns its end.
std::size_t markWord(std::string_view line, std::size_t pos, MarkupWriter& writer) {
  const std::size_t end = wordEnd(line, pos + 1);
  const std::string_view word(line.data() + pos, end - pos);
  if (!followsWordChar(line, pos) && mayBeReservedWord(word) && isReservedWord(word)) {
    writer.addReservedWord(pos, end);
  } else {
    writer.closeReservedSpan();
  }
  return end;
}

/// Marks what begins at pos with a byte of kind other than a letter, space
/// or plain byte; returns its end.
std::size_t markRareByte(std::string_view line, std::size_t pos, CodeByte kind,
                         MarkupWriter& writer) {
  switch (kind) {
    case CodeByte::Tab:
      // A tab becomes spaces, so it keeps a reserved span open.
      writer.noteEscaped(pos);
      return pos + 1;
    case CodeByte::Digit:
      // A digit right behind a letter or digit belongs to a name such as "Edit1".
      if (followsWordChar(line, pos)) {
        writer.closeReservedSpan();
        return pos + 1;
      }
      [[fallthrough]];
    case CodeByte::NumberSign: {
      const std::size_t end = runEnd(line, pos + 1, inNumberRun);
      writer.wrapNumberRun(pos, end);
      return end;
    }
    case CodeByte::EscapedMark:
      writer.noteEscaped(pos);
      writer.closeReservedSpan();
      return pos + 1;
    default:
      // A "(" or "/" that opens nothing.
      writer.closeReservedSpan();
      return runEnd(line, pos + 1, isQuiet);
  }
}

}  // namespace

std::size_t appendMarkedCode(std::string_view line, std::size_t begin, int tabSpaces,
                             const TagSet& tags, std::string& out) {
  MarkupWriter writer(line, begin, tabSpaces, tags, out);
  std::size_t pos = begin;
  while (pos < line.size()) {
    const CodeByte kind = kindOf(line[pos]);
    // Names, spaces and punctuation make most of the code: they are tested
    // first, in that order, before the rarer kinds.
    if (kind == CodeByte::Letter) {
      pos = markWord(line, pos, writer);
    } else if (kind == CodeByte::Space) {
      pos = spacesEnd(line, pos + 1);
    } else if (kind == CodeByte::Plain) {
      writer.closeReservedSpan();
      pos = runEnd(line, pos + 1, isQuiet);
    } else if (kind == CodeByte::MayOpenToken && tokenStartAt(line, pos) != TokenStart::Code) {
      break;
    } else {
      pos = markRareByte(line, pos, kind, writer);
    }
  }
  writer.finish(pos);
  return pos;
}
