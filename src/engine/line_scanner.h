#pragma once

#include "engine/token.h"

#include <string_view>

// The one scan of a source line. It tells a sink, in the order of the line,
// every token it finds and every byte of code that HTML must escape; the
// sink decides what to make of them. The HTML writer and the token list are
// its two sinks, so the tokens are exactly the ranges the HTML marks.
//
// A sink has:
//   void token(const Token& token);        // tokens in ascending, disjoint order
//   void escapable(std::size_t position);  // a tab, "<", ">" or "&" in code
//   void finish(std::size_t lineEnd);      // after the last token

/// Scans line, which begins inside the comment state names; afterwards state
/// names the comment the line ends inside.
template <typename Sink>
void scanLine(std::string_view line, CommentState& state, Sink& sink);

class HtmlLineWriter;
class TokenRecorder;
extern template void scanLine<HtmlLineWriter>(std::string_view, CommentState&, HtmlLineWriter&);
extern template void scanLine<TokenRecorder>(std::string_view, CommentState&, TokenRecorder&);
