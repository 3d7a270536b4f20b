#pragma once

#include "engine/escaped_text.h"
#include "engine/tag_set.h"
#include "engine/token.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

/// Writes the HTML of one source line from its tokens: each token's text
/// between its class's markup, the text around them as it is, all with tabs
/// expanded and "<", ">" and "&" escaped. A sink of scanLine.
class HtmlLineWriter {
 public:
  /// Whether the writer hears of every byte of code that needs escaping (the
  /// scan tells it) or must look for them itself (a list of tokens does not).
  enum class Escapes { Told, Unknown };

  HtmlLineWriter(std::string_view line, int tabSpaces, const TagSet& tags, std::string& out,
                 Escapes escapes = Escapes::Told)
      : line_(line),
        tabSpaces_(tabSpaces),
        tags_(tags),
        out_(out),
        escapedEnd_(escapes == Escapes::Told ? 0 : std::numeric_limits<std::size_t>::max()) {}

  // Called for every token: kept inline in the scan, which the compiler
  // would not do on its own.
  [[gnu::always_inline]] void token(const Token& token) {
    copyUpTo(token.offset);
    const auto markup = markupOf(tags_, token.tokenClass);
    if (token.opens) out_ += markup.open;
    // Comments and strings are never looked into byte by byte, so they are
    // always escaped; code only where the scan saw an escapable byte.
    if (token.tokenClass == TokenClass::Comment || token.tokenClass == TokenClass::Strings) {
      appendEscaped(line_.substr(token.offset, token.length), tabSpaces_, out_);
      copied_ = token.offset + token.length;
    } else {
      copyUpTo(token.offset + token.length);
    }
    if (token.closes) out_ += markup.close;
  }

  void escapable(std::size_t position) { escapedEnd_ = position + 1; }

  void finish(std::size_t lineEnd) { copyUpTo(lineEnd); }

 private:
  void copyUpTo(std::size_t position) {
    const std::string_view text = line_.substr(copied_, position - copied_);
    if (escapedEnd_ > copied_) {
      appendEscaped(text, tabSpaces_, out_);
    } else {
      out_.append(text);
    }
    copied_ = position;
  }

  std::string_view line_;
  int tabSpaces_;
  const TagSet& tags_;
  std::string& out_;
  std::size_t copied_ = 0;
  /// One past the last escapable byte heard of.
  std::size_t escapedEnd_;
};
