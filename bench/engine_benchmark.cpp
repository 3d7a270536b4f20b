// The engine's own yardsticks, for bench/run:
//   engine_benchmark escape-loop IN OUT   the least any converter must do:
//       read IN line by line, escape each line as a page's lines are
//       escaped, write them to OUT, each ending CR LF
//   engine_benchmark paths IN             MB/s of the scan writing HTML
//       lines, listing tokens, and rendering HTML from those tokens

#include "engine/converter.h"
#include "engine/escaped_text.h"
#include "engine/line_tokens.h"
#include "engine/source_lines.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

int escapeLoop(const char* in, const char* out) {
  std::ifstream source(in, std::ios::binary);
  std::ofstream page(out, std::ios::binary);
  SourceLineReader reader(source);
  std::string escaped;
  std::string_view line;
  while (reader.next(line)) {
    appendEscaped(line, 2, escaped);
    escaped += "\r\n";
    if (escaped.size() >= (1 << 16)) {
      page.write(escaped.data(), static_cast<std::streamsize>(escaped.size()));
      escaped.clear();
    }
  }
  page.write(escaped.data(), static_cast<std::streamsize>(escaped.size()));
  return source.bad() || !page ? 1 : 0;
}

/// The best of five runs of work, in seconds.
double bestSeconds(const std::function<void()>& work) {
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

int paths(const char* in) {
  std::ifstream source(in, std::ios::binary);
  std::stringstream bytes;
  bytes << source.rdbuf();
  const std::vector<std::string> lines = splitSourceLines(bytes.str());
  const double megabytes = static_cast<double>(bytes.str().size()) / 1e6;
  TagSet tags;
  tags.ReservedOpen = "<b>";
  tags.ReservedClose = "</b>";
  tags.CommentOpen = "<font color=\"000080\"><i>";
  tags.CommentClose = "</i></font>";
  tags.NumberOpen = tags.StringsOpen = "<font color=\"000080\">";
  tags.NumberClose = tags.StringsClose = "</font>";
  tags.TabSize = 2;
  const Converter converter(tags);
  std::size_t sink = 0;
  const auto eachLine = [&](const std::function<void(const std::string&, CommentState&)>& work) {
    return bestSeconds([&] {
      CommentState state = CommentState::None;
      for (const std::string& line : lines) work(line, state);
    });
  };
  std::string html;
  std::vector<Token> tokens;
  const double htmlSeconds = eachLine([&](const std::string& line, CommentState& state) {
    html.clear();
    converter.convertLine(line, state, html);
    sink += html.size();
  });
  const double tokenSeconds = eachLine([&](const std::string& line, CommentState& state) {
    scanTokens(line, state, tokens);
    sink += tokens.size();
  });
  const double renderSeconds = eachLine([&](const std::string& line, CommentState& state) {
    scanTokens(line, state, tokens);
    html.clear();
    appendHtmlOfTokens(line, tokens, tags, html);
    sink += html.size();
  });
  std::printf("html %.1f\ntokens %.1f\ntokens_and_render %.1f\n", megabytes / htmlSeconds,
              megabytes / tokenSeconds, megabytes / renderSeconds);
  return sink == 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "escape-loop" && argc == 4) return escapeLoop(argv[2], argv[3]);
  if (command == "paths" && argc == 3) return paths(argv[2]);
  std::cerr << "usage: engine_benchmark escape-loop IN OUT | paths IN\n";
  return 2;
}
