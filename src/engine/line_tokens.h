#pragma once

#include "engine/tag_set.h"
#include "engine/token.h"

#include <string>
#include <string_view>
#include <vector>

/// Gathers the tokens of a line: the scan's sink for everything that is not
/// HTML (a highlighted pane, RTF, a check of the HTML).
class TokenRecorder {
 public:
  explicit TokenRecorder(std::vector<Token>& tokens) : tokens_(tokens) {}

  void token(const Token& token) { tokens_.push_back(token); }
  void escapable(std::size_t) {}
  void finish(std::size_t) {}

 private:
  std::vector<Token>& tokens_;
};

/// The tokens of one source line, which begins inside the comment state
/// names; afterwards state names the comment the line ends inside. tokens is
/// emptied first.
void scanTokens(std::string_view line, CommentState& state, std::vector<Token>& tokens);

/// Appends the HTML of line from its tokens, as Converter writes it.
void appendHtmlOfTokens(std::string_view line, const std::vector<Token>& tokens, const TagSet& tags,
                        std::string& out);
