#include "engine/line_scanner.h"

#include "engine/char_classes.h"
#include "engine/html_line_writer.h"
#include "engine/line_tokens.h"
#include "engine/reserved_words.h"
#include "engine/token_start.h"
#include "engine/word_at_a_time.h"

#include <array>
#include <cstddef>
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

/// The end of the run of characters that satisfy belongs, from begin on.
/// A plain loop: runs are short, too short for an unrolled search to pay.
template <typename Belongs>
std::size_t runEnd(std::string_view text, std::size_t begin, Belongs belongs) {
  std::size_t end = begin;
  while (end < text.size() && belongs(text[end])) ++end;
  return end;
}

// Called for every name and every gap: kept inline in each scan the sinks
// instantiate, which the compiler would not do on its own.
[[gnu::always_inline]] inline std::size_t wordEnd(std::string_view text, std::size_t begin) {
  return word_at_a_time::runEnd(text, begin, word_at_a_time::nonWordBytes, inWord);
}

[[gnu::always_inline]] inline std::size_t spacesEnd(std::string_view text, std::size_t begin) {
  return word_at_a_time::runEnd(text, begin, word_at_a_time::nonSpaceBytes, isSpace);
}

bool followsWordChar(std::string_view text, std::size_t pos) {
  return pos > 0 && inWord(text[pos - 1]);
}

/// The tokens of one run of code: number runs as they are found, reserved
/// words gathered into one span while only spaces (or tabs, which become
/// spaces) separate them.
template <typename Sink>
class CodeTokens {
 public:
  explicit CodeTokens(Sink& sink) : sink_(sink) {}
  CodeTokens(const CodeTokens&) = delete;
  CodeTokens& operator=(const CodeTokens&) = delete;

  void numberRun(std::size_t begin, std::size_t end) {
    closeReservedSpan();
    sink_.token({TokenClass::Number, begin, end - begin});
  }

  /// Opens a reserved span at begin, or stretches the open one over the
  /// spaces up to begin.
  void reservedWord(std::size_t begin, std::size_t end) {
    if (!spanOpen_) {
      spanBegin_ = begin;
      spanOpen_ = true;
    }
    spanEnd_ = end;
  }

  void closeReservedSpan() {
    if (spanOpen_) {
      sink_.token({TokenClass::Reserved, spanBegin_, spanEnd_ - spanBegin_});
      spanOpen_ = false;
    }
  }

  void escapable(std::size_t pos) { sink_.escapable(pos); }

 private:
  Sink& sink_;
  bool spanOpen_ = false;
  std::size_t spanBegin_ = 0;
  std::size_t spanEnd_ = 0;
};

/// Marks the name or reserved word that begins at pos; returns its end.
template <typename Sink>
std::size_t scanWord(std::string_view line, std::size_t pos, CodeTokens<Sink>& tokens) {
  const std::size_t end = wordEnd(line, pos + 1);
  const std::string_view word(line.data() + pos, end - pos);
  if (!followsWordChar(line, pos) && mayBeReservedWord(word) && isReservedWord(word)) {
    tokens.reservedWord(pos, end);
  } else {
    tokens.closeReservedSpan();
  }
  return end;
}

/// Scans what begins at pos with a byte of kind other than a letter, space
/// or plain byte; returns its end.
template <typename Sink>
std::size_t scanRareByte(std::string_view line, std::size_t pos, CodeByte kind,
                         CodeTokens<Sink>& tokens) {
  switch (kind) {
    case CodeByte::Tab:
      // A tab becomes spaces, so it keeps a reserved span open.
      tokens.escapable(pos);
      return pos + 1;
    case CodeByte::Digit:
      // A digit right behind a letter or digit belongs to a name such as "Edit1".
      if (followsWordChar(line, pos)) {
        tokens.closeReservedSpan();
        return pos + 1;
      }
      [[fallthrough]];
    case CodeByte::NumberSign: {
      const std::size_t end = runEnd(line, pos + 1, inNumberRun);
      tokens.numberRun(pos, end);
      return end;
    }
    case CodeByte::EscapedMark:
      tokens.escapable(pos);
      tokens.closeReservedSpan();
      return pos + 1;
    default:
      // A "(" or "/" that opens nothing.
      tokens.closeReservedSpan();
      return runEnd(line, pos + 1, isQuiet);
  }
}

/// Scans the code of line from begin up to the next comment or string (or
/// the line's end) and returns where it ends. One pass.
template <typename Sink>
std::size_t scanCode(std::string_view line, std::size_t begin, Sink& sink) {
  CodeTokens<Sink> tokens(sink);
  std::size_t pos = begin;
  while (pos < line.size()) {
    const CodeByte kind = kindOf(line[pos]);
    // Names, spaces and punctuation make most of the code: they are tested
    // first, in that order, before the rarer kinds.
    if (kind == CodeByte::Letter) {
      pos = scanWord(line, pos, tokens);
    } else if (kind == CodeByte::Space) {
      pos = spacesEnd(line, pos + 1);
    } else if (kind == CodeByte::Plain) {
      tokens.closeReservedSpan();
      pos = runEnd(line, pos + 1, isQuiet);
    } else if (kind == CodeByte::MayOpenToken && tokenStartAt(line, pos) != TokenStart::Code) {
      break;
    } else {
      pos = scanRareByte(line, pos, kind, tokens);
    }
  }
  tokens.closeReservedSpan();
  return pos;
}

/// Reports the rest of the comment that state names, from begin, with its
/// closing delimiter searched from searchFrom; returns its end. opens is
/// false for the rest of a comment from an earlier line.
template <typename Sink>
std::size_t scanCommentBody(std::string_view line, std::size_t begin, std::size_t searchFrom,
                            bool opens, CommentState& state, Sink& sink) {
  const std::string_view closer = state == CommentState::Brace ? "}" : "*)";
  const std::size_t found = line.find(closer, searchFrom);
  if (found == std::string_view::npos) {
    // An empty line inside a comment carries no markup at all.
    if (line.size() > begin) {
      sink.token({TokenClass::Comment, begin, line.size() - begin, opens, false});
    }
    return line.size();
  }
  const std::size_t end = found + closer.size();
  sink.token({TokenClass::Comment, begin, end - begin, opens, true});
  state = CommentState::None;
  return end;
}

/// Reports the comment or string that begins at pos (the code there, if none
/// does); returns its end.
template <typename Sink>
std::size_t scanToken(std::string_view line, std::size_t pos, CommentState& state, Sink& sink) {
  switch (tokenStartAt(line, pos)) {
    case TokenStart::BraceComment:
      state = CommentState::Brace;
      return scanCommentBody(line, pos, pos + 1, true, state, sink);
    case TokenStart::ParenComment:
      // The search starts at the "*", so "(*)" is a whole comment.
      state = CommentState::Paren;
      return scanCommentBody(line, pos, pos + 1, true, state, sink);
    case TokenStart::StringLiteral: {
      // A string ends at the next quote or, unterminated, with its line.
      const std::size_t quote = line.find('\'', pos + 1);
      const std::size_t end = quote == std::string_view::npos ? line.size() : quote + 1;
      sink.token({TokenClass::Strings, pos, end - pos});
      return end;
    }
    case TokenStart::LineComment:
      sink.token({TokenClass::Comment, pos, line.size() - pos});
      return line.size();
    case TokenStart::Code:
      break;
  }
  return scanCode(line, pos, sink);
}

}  // namespace

template <typename Sink>
void scanLine(std::string_view line, CommentState& state, Sink& sink) {
  std::size_t pos = 0;
  // The rest of a comment from an earlier line: its opening markup stands there.
  if (state != CommentState::None) pos = scanCommentBody(line, 0, 0, false, state, sink);
  while (pos < line.size()) {
    pos = scanCode(line, pos, sink);
    if (pos < line.size()) pos = scanToken(line, pos, state, sink);
  }
  sink.finish(line.size());
}

template void scanLine<HtmlLineWriter>(std::string_view, CommentState&, HtmlLineWriter&);
template void scanLine<TokenRecorder>(std::string_view, CommentState&, TokenRecorder&);
