#include "settings/rtf_text.h"

#include "engine/escaped_text.h"
#include "engine/line_tokens.h"
#include "settings/colour_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

/// A number as RTF writes it after a control word.
std::string number(long value) { return std::to_string(value); }

/// What each class's tokens look like in RTF, and the colour table behind it.
class RtfLooks {
 public:
  explicit RtfLooks(const Theme& theme) {
    const std::string defaultColor = lookDefaultColor(theme);
    for (const auto tokenClass : TokenClasses) {
      const ClassAttributes look = inCodeLook(theme, tokenClass);
      std::string& controls = controls_[static_cast<std::size_t>(tokenClass)];
      // The colours HTML would show: none where it is the default colour or
      // no colour at all.
      if (look.Color != defaultColor) {
        if (const auto parts = colourParts(look.Color))
          controls += "\\cf" + number(colourIndex(*parts));
      }
      if (look.Bold) controls += "\\b";
      if (look.Italic) controls += "\\i";
      if (look.Underlined) controls += "\\ul";
    }
  }

  /// The control words of a class's look; empty for plain text.
  const std::string& controls(TokenClass tokenClass) const {
    return controls_[static_cast<std::size_t>(tokenClass)];
  }

  /// The colour table: the automatic colour first, then those the looks use.
  std::string colourTable() const {
    std::string table = "{\\colortbl;";
    for (const ColourParts& colour : colours_) {
      table += "\\red" + number(colour.red) + "\\green" + number(colour.green) + "\\blue" +
               number(colour.blue) + ";";
    }
    return table + "}";
  }

 private:
  /// The colour's number in the table, which it joins when new.
  long colourIndex(const ColourParts& colour) {
    const auto found = std::find(colours_.begin(), colours_.end(), colour);
    if (found != colours_.end()) return std::distance(colours_.begin(), found) + 1;
    colours_.push_back(colour);
    return static_cast<long>(colours_.size());
  }

  std::vector<ColourParts> colours_;
  std::array<std::string, TokenClassCount> controls_;
};

/// A UTF-16 unit as the signed number \u takes.
void appendUnicodeEscape(std::uint32_t unit, std::string& out) {
  out += "\\u" +
         number(unit < 0x8000 ? static_cast<long>(unit) : static_cast<long>(unit) - 0x10000) + "?";
}

/// Appends text as RTF: "\", "{" and "}" escaped, tabs expanded, other
/// control bytes as hex escapes, every character beyond ASCII as \u.
void appendRtfText(std::string_view text, CodePage page, int tabSpaces, std::string& out) {
  while (!text.empty()) {
    const Utf8Character character = characterAt(text, page);
    text.remove_prefix(character.length);
    const std::uint32_t code = character.code;
    if (code == '\t') {
      out.append(static_cast<std::size_t>(tabSpaces), ' ');
    } else if (code == '\\' || code == '{' || code == '}') {
      out += '\\';
      out += static_cast<char>(code);
    } else if (code < 0x20 || code == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\'%02x", static_cast<unsigned>(code));
      out += escape;
    } else if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x10000) {
      appendUnicodeEscape(code, out);
    } else {
      // Beyond the 16 bits of \u: a surrogate pair, as Word writes it.
      appendUnicodeEscape(0xD800 + ((code - 0x10000) >> 10), out);
      appendUnicodeEscape(0xDC00 + ((code - 0x10000) & 0x3FF), out);
    }
  }
}

}  // namespace

std::string rtfText(const std::vector<std::string>& lines, const Theme& theme, CodePage page) {
  const RtfLooks looks(theme);
  const int tabSpaces = spacesPerTab(theme.TabSize);
  std::string body;
  CommentState state = CommentState::None;
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) body += "\\par\r\n";
    const std::string_view line = lines[i];
    scanTokens(line, state, tokens);
    std::size_t written = 0;
    for (const Token& token : tokens) {
      appendRtfText(line.substr(written, token.offset - written), page, tabSpaces, body);
      const std::string& controls = looks.controls(token.tokenClass);
      if (!controls.empty()) body += "{" + controls + " ";
      appendRtfText(line.substr(token.offset, token.length), page, tabSpaces, body);
      if (!controls.empty()) body += "}";
      written = token.offset + token.length;
    }
    appendRtfText(line.substr(written), page, tabSpaces, body);
  }
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier "
         "New;}}" +
         looks.colourTable() + "\r\n\\pard\\plain\\f0\\fs20 " + body + "}";
}
