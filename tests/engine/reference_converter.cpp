#include "reference_converter.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

// The reference keeps its own word list and character tests, so that a fault
// in the engine's table or tests cannot hide by being shared.
constexpr std::string_view reservedWordList =
    "and, array, as, asm, automated, begin, case, class, const, constructor, destructor, "
    "dispinterface, div, do, downto, else, end, except, exports, file, finalization, finally, "
    "for, function, goto, if, implementation, in, inherited, initialization, inline, interface, "
    "is, label, library, mod, nil, not, object, of, on, or, out, packed, private, procedure, "
    "program, property, protected, public, published, raise, record, repeat, resourcestring, "
    "set, shl, shr, string, then, threadvar, to, try, type, unit, until, uses, var, while, with";

bool isLetter(char c) { return ('A' <= c && c <= 'Z') || ('a' <= c && c <= 'z'); }

bool isDigit(char c) { return '0' <= c && c <= '9'; }

bool isLetterOrDigit(char c) { return isLetter(c) || isDigit(c); }

char upperCase(char c) { return 'a' <= c && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

/// Positions count from 1 here, as Pascal strings count them.
using Positions = std::vector<int>;

char at(const std::string& text, int pos) { return text[static_cast<std::size_t>(pos - 1)]; }

int length(const std::string& text) { return static_cast<int>(text.size()); }

void insertAt(std::string& text, int pos, const std::string& inserted) {
  text.insert(static_cast<std::size_t>(pos - 1), inserted);
}

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return upperCase(c); });
  return text;
}

std::string RemoveTabs(std::string line, std::int32_t tabSize) {
  const int size = std::clamp(tabSize, 0, 99);
  for (int k = 1; k <= length(line); ++k) {
    if (at(line, k) == '\t') {
      line[static_cast<std::size_t>(k - 1)] = ' ';
      if (size > 1) {
        insertAt(line, k, std::string(static_cast<std::size_t>(size - 1), ' '));
      }
    }
  }
  return line;
}

std::string escapeHtml(std::string line) {
  for (int k = 1; k <= length(line); ++k) {
    std::string entity;
    switch (at(line, k)) {
      case '<':
        entity = "&lt;";
        break;
      case '>':
        entity = "&gt;";
        break;
      case '&':
        entity = "&amp;";
        break;
      default:
        continue;
    }
    line.erase(static_cast<std::size_t>(k - 1), 1);
    insertAt(line, k, entity);
    k += length(entity) - 1;
  }
  return line;
}

Positions AddTag(const std::string& segment, std::string_view word) {
  const std::string upperSegment = upperCase(segment);
  const std::string upperWord = upperCase(std::string(word));
  Positions found;
  std::size_t from = 0;
  for (std::size_t hit; (hit = upperSegment.find(upperWord, from)) != std::string::npos;) {
    const int p = static_cast<int>(hit) + 1;
    const int e = p + length(upperWord);
    const bool startsWord = p == 1 || !isLetterOrDigit(at(segment, p - 1));
    const bool endsWord = e > length(segment) || !isLetterOrDigit(at(segment, e));
    if (startsWord && endsWord) {
      found.push_back(p);
      found.push_back(e);
      from = static_cast<std::size_t>(e - 1);
    } else {
      from = hit + 1;
    }
  }
  return found;
}

bool HasAlphaNeighbours(const std::string& text, int pos, bool checkBefore, bool checkAfter) {
  // Only the neighbours are turned to upper case: the whole text would make
  // number marking cubic on the fuzzer's long lines.
  const auto isAlpha = [&text](int neighbour) {
    return isLetterOrDigit(upperCase(at(text, neighbour)));
  };
  const bool before = checkBefore && pos > 1 && isAlpha(pos - 1);
  const bool after = checkAfter && pos < length(text) && isAlpha(pos + 1);
  if (checkBefore && checkAfter) {
    return before && after;
  }
  return checkBefore ? before : after;
}

/// Grows every position that the test picks by amount.
template <typename Moves>
void shift(Positions& positions, int amount, Moves moves) {
  for (int& position : positions) {
    if (moves(position)) {
      position += amount;
    }
  }
}

std::string TagNumbers(std::string segment, const std::string& open, const std::string& close,
                       Positions& positions) {
  int k = 1;
  while (k <= length(segment)) {
    const char c = at(segment, k);
    if ((isDigit(c) && !HasAlphaNeighbours(segment, k, true, false)) || c == '#' || c == '$') {
      const int s = k;
      ++k;
      while (k <= length(segment) &&
             (isDigit(at(segment, k)) || at(segment, k) == '#' || at(segment, k) == '$')) {
        ++k;
      }
      insertAt(segment, s, open);
      shift(positions, length(open), [s](int p) { return p > s; });
      k += length(open);
      insertAt(segment, k, close);
      // A span that starts where NumberClose goes moves behind it, so the
      // markup nests.
      shift(positions, length(close), [k](int p) { return p >= k; });
      // The character that ended the run is not looked at again.
      k += length(close) + 1;
    } else {
      ++k;
    }
  }
  return segment;
}

void RemoveDuplicates(Positions& positions, const std::string& segment) {
  Positions sorted;
  std::vector<bool> taken(positions.size() / 2, false);
  for (std::size_t round = 0; round < taken.size(); ++round) {
    std::size_t best = taken.size();
    for (std::size_t pair = 0; pair < taken.size(); ++pair) {
      if (!taken[pair] && (best == taken.size() || positions[2 * pair] < positions[2 * best])) {
        best = pair;
      }
    }
    taken[best] = true;
    sorted.push_back(positions[2 * best]);
    sorted.push_back(positions[2 * best + 1]);
  }
  std::vector<bool> removed(sorted.size(), false);
  for (std::size_t second = 2; second < sorted.size(); second += 2) {
    const int e = sorted[second - 1];
    const int s = sorted[second];
    bool onlySpaces = true;
    for (int k = e; k <= s - 1; ++k) {
      onlySpaces = onlySpaces && at(segment, k) == ' ';
    }
    if (onlySpaces) {
      removed[second - 1] = true;
      removed[second] = true;
    }
  }
  positions.clear();
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (!removed[i]) {
      positions.push_back(sorted[i]);
    }
  }
}

std::string markCode(std::string segment, const TagSet& tags) {
  Positions positions;
  for (const std::string& word : referenceReservedWords()) {
    const Positions found = AddTag(segment, word);
    positions.insert(positions.end(), found.begin(), found.end());
  }
  segment = TagNumbers(segment, tags.NumberOpen, tags.NumberClose, positions);
  RemoveDuplicates(positions, segment);
  for (std::size_t i = 0; i < positions.size(); i += 2) {
    const int s = positions[i];
    insertAt(segment, s, tags.ReservedOpen);
    shift(positions, length(tags.ReservedOpen), [s](int p) { return p > s; });
    insertAt(segment, positions[i + 1], tags.ReservedClose);
    shift(positions, length(tags.ReservedClose), [s](int p) { return p > s; });
  }
  return segment;
}

bool beginsWith(const std::string& text, std::string_view prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

enum Kind { BraceComment = 1, StringLiteral = 2, LineComment = 3, Code = 4, ParenComment = 5 };

/// The character scan with its flags, its kinds list and its per-kind segment lists.
class Scanner {
 public:
  explicit Scanner(const TagSet& tags) : tags_(tags) {}

  std::string convertLine(const std::string& source) {
    const std::string line = escapeHtml(RemoveTabs(source, tags_.TabSize));
    startLine();
    for (int k = 1; k <= length(line); ++k) {
      scanCharacter(line, k);
      JustClosed = false;
    }
    endLine();
    return assemble();
  }

 private:
  bool tokenOpen() const { return InBraceComment || InParenComment || InString || InLineComment; }

  void openToken(bool& flag, Kind kind) {
    flag = true;
    closeCode();
    current_.clear();
    kinds_.push_back(kind);
  }

  void closeCode() {
    if (InCode) {
      InCode = false;
      codes_.push_back(current_);
    }
  }

  void startLine() {
    kinds_.clear();
    braces_.clear();
    strings_.clear();
    codes_.clear();
    parens_.clear();
    lineComment_.clear();
    current_.clear();
    // A comment still open from the line before is the line's first segment,
    // whether it began with a brace or a parenthesis-star.
    LineBeganInBraceComment = InBraceComment;
    if (InBraceComment) {
      kinds_.push_back(BraceComment);
      LineBeganInParenComment = false;
    } else if (InParenComment) {
      kinds_.push_back(ParenComment);
      LineBeganInParenComment = true;
    } else {
      LineBeganInParenComment = false;
    }
  }

  void scanCharacter(const std::string& line, int& k) {
    const bool last = k == length(line);
    // Each character passes these steps in order: a brace comment opening,
    // its body, a parenthesis-star comment opening, its body, its closing,
    // a string literal, a line comment opening, its body, code opening, code
    // body. The order matters: a closing step can hand the character on.
    if (at(line, k) == '{' && !tokenOpen()) {
      openToken(InBraceComment, BraceComment);
    }
    if (InBraceComment) {
      current_ += at(line, k);
      if (at(line, k) == '}') {
        InBraceComment = false;
        JustClosed = true;
        braces_.push_back(current_);
      }
    }
    if (!last && at(line, k) == '(' && at(line, k + 1) == '*' && !tokenOpen()) {
      openToken(InParenComment, ParenComment);
    }
    const bool closesParen = !last && at(line, k) == '*' && at(line, k + 1) == ')';
    if (InParenComment && !closesParen) {
      current_ += at(line, k);
    }
    // "*)" is consumed whole, so its ")" opens nothing after it.
    if (closesParen && InParenComment) {
      InParenComment = false;
      JustClosed = true;
      current_ += "*)";
      parens_.push_back(current_);
      ++k;
    }
    const char c = at(line, k);
    if (c == '\'' && !tokenOpen()) {
      openToken(InString, StringLiteral);
      current_ = "'";
    } else if (InString) {
      current_ += c;
      if (c == '\'') {
        InString = false;
        JustClosed = true;
        strings_.push_back(current_);
      }
    }
    if (at(line, k) == '/' && k < length(line) && at(line, k + 1) == '/' && !tokenOpen()) {
      openToken(InLineComment, LineComment);
    }
    if (InLineComment) {
      lineComment_ += at(line, k);
    }
    // Code resumes only on the character after a comment or string closed.
    if (!tokenOpen() && !InCode && !JustClosed) {
      InCode = true;
      current_.clear();
      kinds_.push_back(Code);
    }
    if (InCode) {
      current_ += at(line, k);
    }
  }

  void endLine() {
    if (InBraceComment) {
      braces_.push_back(current_);
    }
    if (InParenComment) {
      parens_.push_back(current_);
    }
    InLineComment = false;
    if (InString) {
      strings_.push_back(current_);
      InString = false;
    }
    closeCode();
  }

  std::string wrapBrace(const std::string& s, bool continuation) const {
    if (s.empty()) {
      return s;
    }
    const bool opens = beginsWith(s, "{") && !continuation;
    return (opens ? tags_.CommentOpen : "") + s + (endsWith(s, "}") ? tags_.CommentClose : "");
  }

  std::string wrapParen(const std::string& s, bool continuation) const {
    if (s.size() < 2) {
      return s;
    }
    const bool opens = beginsWith(s, "(*") && !continuation;
    return (opens ? tags_.CommentOpen : "") + s + (endsWith(s, "*)") ? tags_.CommentClose : "");
  }

  std::string assemble() {
    for (std::string& code : codes_) {
      code = markCode(code, tags_);
    }
    for (std::size_t i = 0; i < braces_.size(); ++i) {
      braces_[i] = wrapBrace(braces_[i], i == 0 && LineBeganInBraceComment);
    }
    // Only the first segment of a line can continue a comment; a later
    // parenthesis-star comment on the same line opens its own markup.
    for (std::size_t i = 0; i < parens_.size(); ++i) {
      parens_[i] = wrapParen(parens_[i], i == 0 && LineBeganInParenComment);
    }
    lineComment_ = tags_.CommentOpen + lineComment_ + tags_.CommentClose;
    for (std::string& literal : strings_) {
      literal = tags_.StringsOpen + literal + tags_.StringsClose;
    }
    std::string html;
    std::size_t nextBrace = 0, nextString = 0, nextCode = 0, nextParen = 0;
    for (int kind : kinds_) {
      switch (kind) {
        case BraceComment:
          html += braces_[nextBrace++];
          break;
        case StringLiteral:
          html += strings_[nextString++];
          break;
        case LineComment:
          html += lineComment_;
          break;
        case Code:
          html += codes_[nextCode++];
          break;
        case ParenComment:
          html += parens_[nextParen++];
          break;
      }
    }
    return html;
  }

  const TagSet& tags_;
  bool InBraceComment = false, InParenComment = false, InString = false, InLineComment = false,
       InCode = false, JustClosed = false, LineBeganInParenComment = false,
       LineBeganInBraceComment = false;
  std::vector<int> kinds_;
  std::vector<std::string> braces_, strings_, codes_, parens_;
  std::string lineComment_, current_;
};

}  // namespace

const std::vector<std::string>& referenceReservedWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> list;
    for (std::size_t begin = 0; begin < reservedWordList.size();) {
      const std::size_t comma =
          std::min(reservedWordList.find(", ", begin), reservedWordList.size());
      list.emplace_back(reservedWordList.substr(begin, comma - begin));
      begin = comma + 2;
    }
    return list;
  }();
  return words;
}

std::vector<std::string> referenceConvert(const std::vector<std::string>& lines,
                                          const TagSet& tags) {
  Scanner scanner(tags);
  std::vector<std::string> html;
  for (const std::string& line : lines) {
    html.push_back(scanner.convertLine(line));
  }
  return html;
}
