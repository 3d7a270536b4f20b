#include "engine/line_tokens.h"

#include "engine/escaped_text.h"
#include "engine/html_line_writer.h"
#include "engine/line_scanner.h"

void scanTokens(std::string_view line, CommentState& state, std::vector<Token>& tokens) {
  tokens.clear();
  TokenRecorder recorder(tokens);
  scanLine(line, state, recorder);
}

void appendHtmlOfTokens(std::string_view line, const std::vector<Token>& tokens, const TagSet& tags,
                        std::string& out) {
  HtmlLineWriter writer(line, spacesPerTab(tags.TabSize), tags, out,
                        HtmlLineWriter::Escapes::Unknown);
  for (const Token& token : tokens) writer.token(token);
  writer.finish(line.size());
}
