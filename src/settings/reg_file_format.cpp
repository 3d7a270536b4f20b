#include "settings/reg_file_format.h"

#include "engine/source_lines.h"
#include "settings/reg_file_encoding.h"
#include "settings/utf16_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view Regedit4Header = "REGEDIT4";
constexpr std::string_view Version5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view LineEnd = "\r\n";
// A registry editor breaks hex data so that no line passes 80 columns.
constexpr std::size_t HexLineWidth = 80;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

/// The number written by 1 to maxDigits hex digits, or nothing.
std::optional<std::uint32_t> hexNumber(std::string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  std::uint32_t number = 0;
  const char* const end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, number, 16);
  if (error != std::errc() || stop != end) return std::nullopt;
  return number;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && sameRegName(text.substr(0, prefix.size()), prefix);
}

/// Whether the line is a [key] line.
bool startsKey(std::string_view line) {
  const std::string_view text = trimmed(line);
  return !text.empty() && text.front() == '[';
}

/// The form the header line names, or nothing.
std::optional<RegFileForm::Header> headerOf(std::string_view line) {
  if (line == Regedit4Header) return RegFileForm::Header::Regedit4;
  if (line == Version5Header) return RegFileForm::Header::Version5;
  return std::nullopt;
}

/// Reads one logical line of a registry file; utf16 says whether its texts
/// are held as UTF-16LE.
class LineParser {
 public:
  LineParser(int lineNumber, std::string_view text, bool utf16)
      : line_(lineNumber), rest_(text), utf16_(utf16) {}

  /// A "quoted" text with \\ and \" escaped; rest_ starts at its quote.
  std::string quotedText(const char* what) {
    rest_.remove_prefix(1);
    std::string text;
    while (!rest_.empty() && rest_.front() != '"') {
      // Only \\ and \" are escapes; any other backslash stands for itself.
      if (rest_.front() == '\\' && rest_.size() > 1 && (rest_[1] == '\\' || rest_[1] == '"')) {
        rest_.remove_prefix(1);
      }
      text += rest_.front();
      rest_.remove_prefix(1);
    }
    if (rest_.empty()) fail(std::string(what) + " has no closing quote");
    rest_.remove_prefix(1);
    return text;
  }

  RegValue value() {
    RegValue value;
    if (rest_.front() == '@') {
      rest_.remove_prefix(1);
    } else {
      value.name = quotedText("the value name");
    }
    rest_ = trimmed(rest_);
    if (rest_.empty() || rest_.front() != '=') fail("expected = after the value name");
    rest_ = trimmed(rest_.substr(1));
    valueData(value);
    return value;
  }

  [[noreturn]] void fail(const std::string& problem) const {
    throw RegFileSyntaxError(line_, problem);
  }

 private:
  void valueData(RegValue& value) {
    if (!rest_.empty() && rest_.front() == '"') {
      value.type = RegSz;
      value.data = regTextData(quotedText("the text"), utf16_);
      if (!trimmed(rest_).empty()) fail("unexpected characters after the closing quote");
    } else if (startsWithNoCase(rest_, "dword:")) {
      const auto number = hexNumber(trimmed(rest_.substr(6)), 8);
      if (!number) fail("dword: needs 1 to 8 hex digits");
      value.type = RegDword;
      value.data = dwordData(*number);
    } else if (startsWithNoCase(rest_, "hex")) {
      value.type = hexType();
      value.data = hexBytes();
    } else if (rest_ == "-") {
      fail("value deletions (=-) are not supported");
    } else {
      fail("expected \"text\", dword: or hex: after =");
    }
  }

  /// The type of "hex:" (binary) or "hex(n):"; leaves rest_ after the colon.
  std::uint32_t hexType() {
    rest_.remove_prefix(3);
    std::uint32_t type = RegBinary;
    if (!rest_.empty() && rest_.front() == '(') {
      const auto close = rest_.find(')');
      const auto number =
          close == std::string_view::npos ? std::nullopt : hexNumber(rest_.substr(1, close - 1), 8);
      if (!number) fail("hex( needs a hex type number and )");
      type = *number;
      rest_.remove_prefix(close + 1);
    }
    if (rest_.empty() || rest_.front() != ':') fail("expected : after hex");
    rest_.remove_prefix(1);
    return type;
  }

  /// Comma-separated bytes of one or two hex digits; a trailing comma is
  /// what a joined continuation leaves.
  std::string hexBytes() {
    std::string bytes;
    auto list = trimmed(rest_);
    while (!list.empty()) {
      const auto comma = list.find(',');
      const auto item = trimmed(list.substr(0, comma));
      const auto byte = hexNumber(item, 2);
      if (!byte) fail("hex data needs bytes of two hex digits separated by commas");
      bytes += static_cast<char>(*byte);
      list = comma == std::string_view::npos ? std::string_view() : trimmed(list.substr(comma + 1));
    }
    return bytes;
  }

  int line_;
  std::string_view rest_;
  bool utf16_;
};

std::string escapedQuoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

/// The text of a REG_SZ that a quoted text can stand for: a zero only at the
/// end and no line break; or nothing.
std::optional<std::string> quotableText(const RegValue& value, bool utf16) {
  const std::size_t zeroSize = utf16 ? 2 : 1;
  const auto& data = value.data;
  if (value.type != RegSz || data.size() < zeroSize || data.size() % zeroSize != 0 ||
      data.find_first_not_of('\0', data.size() - zeroSize) != std::string::npos) {
    return std::nullopt;
  }
  const std::string_view held = std::string_view(data).substr(0, data.size() - zeroSize);
  const std::string text = utf16 ? utf8FromUtf16Le(held) : std::string(held);
  if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos) return std::nullopt;
  // A lone surrogate has no text that reads back as it.
  if (utf16 && utf16LeFromUtf8(text) != held) return std::nullopt;
  return text;
}

void appendHexByte(std::string& text, char byte) {
  static constexpr char Digits[] = "0123456789abcdef";
  const auto bits = static_cast<unsigned char>(byte);
  text += Digits[bits >> 4];
  text += Digits[bits & 0xf];
}

std::string hexTypeTag(std::uint32_t type) {
  if (type == RegBinary) return "hex:";
  std::string number;
  for (int shift = 24; shift >= 0; shift -= 8)
    appendHexByte(number, static_cast<char>(type >> shift));
  number.erase(0, std::min(number.find_first_not_of('0'), number.size() - 1));
  return "hex(" + number + "):";
}

/// Hex data starting at column, broken with a backslash before 80 columns.
std::string hexData(const RegValue& value, std::size_t column) {
  std::string text = hexTypeTag(value.type);
  column += text.size();
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    if (i > 0) {
      text += ',';
      ++column;
      if (column + 3 >= HexLineWidth) {
        text += '\\';
        text += LineEnd;
        text += "  ";
        column = 2;
      }
    }
    appendHexByte(text, value.data[i]);
    column += 2;
  }
  return text;
}

std::string valueLine(const RegValue& value, bool utf16) {
  std::string line = value.name.empty() ? "@=" : escapedQuoted(value.name) + "=";
  if (const auto text = quotableText(value, utf16)) {
    line += escapedQuoted(*text);
  } else if (value.type == RegDword && value.data.size() == 4) {
    line += "dword:";
    for (int i = 3; i >= 0; --i) appendHexByte(line, value.data[i]);
  } else {
    line += hexData(value, line.size());
  }
  return line;
}

/// Puts each comment line of a file where it stood: a comment straight
/// after a header or value line goes with the block's values; comments
/// after a blank line go with what follows them: the next [key] (before
/// its path), the next value, a blank line at the top of the file (which
/// sets them apart from the first key), or the end of the file.
class CommentPlacer {
 public:
  explicit CommentPlacer(RegKeyTree& tree) : tree_(tree) {}

  void comment(std::string_view line, RegKey* key) {
    if (afterBlank_) {
      pending_.emplace_back(line);
    } else {
      key->addComment(std::string(line));
    }
  }

  void blank(const RegKey* key) {
    afterBlank_ = true;
    if (key == nullptr)
      placePending([this](std::string line) { tree_.addLeadingComment(std::move(line)); });
  }

  /// Before a value is added to the key.
  void value(RegKey& key) {
    placePending([&](std::string line) { key.addComment(std::move(line)); });
    afterBlank_ = false;
  }

  /// Adds the key of a [path] line; named again, it goes on with its old block.
  RegKey& key(const std::string& path) {
    const std::size_t keyCount = tree_.keys().size();
    RegKey& key = tree_.addKey(path);
    const bool named = tree_.keys().size() == keyCount;
    placePending([&](std::string line) {
      named ? key.addComment(std::move(line)) : key.addHeadComment(std::move(line));
    });
    afterBlank_ = false;
    return key;
  }

  void end(const RegKey* key) {
    placePending([&](std::string line) {
      key ? tree_.addTrailingComment(std::move(line)) : tree_.addLeadingComment(std::move(line));
    });
  }

 private:
  template <typename Place>
  void placePending(Place&& place) {
    for (std::string& line : pending_) place(std::move(line));
    pending_.clear();
  }

  RegKeyTree& tree_;
  std::vector<std::string> pending_;
  // The header line counts as followed by a blank line.
  bool afterBlank_ = true;
};

}  // namespace

RegKeyTree parseRegFile(std::string_view bytes) {
  const auto decoded = decodeRegFileText(bytes);
  const auto lines = splitLines(decoded.text);
  const auto header = lines.empty() ? std::nullopt : headerOf(trimmed(lines.front()));
  if (!header) {
    throw RegFileSyntaxError(1, "the file starts with an unknown header: expected the line " +
                                    std::string(Regedit4Header) + " or " +
                                    std::string(Version5Header));
  }
  RegKeyTree tree({*header, decoded.encoding});
  tree.reserveKeys(static_cast<std::size_t>(std::count_if(
      lines.begin(), lines.end(), [](const std::string& line) { return startsKey(line); })));
  CommentPlacer comments(tree);
  // The key of the block being read: no other key is added until the next
  // [path] line, so the reference holds.
  RegKey* key = nullptr;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::string_view logical = trimmed(lines[i]);
    const bool isValue = !logical.empty() && (logical.front() == '"' || logical.front() == '@');
    // Hex data goes on over the next line when a line ends in a backslash;
    // only then are the lines joined into a copy.
    std::string joined;
    for (bool first = true; isValue && logical.back() == '\\'; first = false) {
      if (++i == lines.size()) {
        throw RegFileSyntaxError(number, "the data goes on past the end of the file");
      }
      if (first) joined = logical;
      joined.pop_back();
      joined += trimmed(lines[i]);
      logical = joined;
    }
    LineParser parser(number, logical, tree.holdsUtf16Text());
    if (isValue) {
      if (key == nullptr) parser.fail("a value stands before the first [key]");
      comments.value(*key);
      key->setValue(parser.value());
    } else if (!logical.empty() && logical.front() == '[') {
      if (logical.back() != ']') parser.fail("the key name has no closing ]");
      const std::string keyPath(logical.substr(1, logical.size() - 2));
      if (keyPath.empty() || keyPath.front() == '-') {
        parser.fail("expected a key name between [ and ]");
      }
      key = &comments.key(keyPath);
    } else if (logical.empty()) {
      comments.blank(key);
    } else if (logical.front() == ';') {
      comments.comment(lines[i], key);
    } else {
      parser.fail("expected a [key], a \"Name\"=value line, a ; comment or a blank line");
    }
  }
  comments.end(key);
  return tree;
}

std::string formatRegFile(const RegKeyTree& tree) {
  const bool version5 = tree.form().header == RegFileForm::Header::Version5;
  std::string text(version5 ? Version5Header : Regedit4Header);
  text += LineEnd;
  text += LineEnd;
  const auto addLine = [&text](std::string_view line) {
    text += line;
    text += LineEnd;
  };
  for (const std::string& line : tree.leadingComments()) addLine(line);
  if (!tree.leadingComments().empty()) text += LineEnd;
  for (const RegKey* key : tree.keysParentsFirst()) {
    for (const std::string& line : key->headComments()) addLine(line);
    addLine("[" + key->path() + "]");
    auto comment = key->comments().begin();
    for (std::size_t i = 0; i <= key->values().size(); ++i) {
      for (; comment != key->comments().end() && comment->beforeValue <= i; ++comment)
        addLine(comment->line);
      if (i < key->values().size()) addLine(valueLine(key->values()[i], tree.holdsUtf16Text()));
    }
    text += LineEnd;
  }
  for (const std::string& line : tree.trailingComments()) addLine(line);
  return encodeRegFileText(text, tree.form().encoding);
}
