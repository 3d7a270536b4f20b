#include "gui/source_highlighter.h"

#include "engine/line_tokens.h"
#include "gui/pane_edits.h"

#include <Qsci/qsciscintillabase.h>

#include <cstring>
#include <string_view>

namespace {

using Sci = QsciScintillaBase;

/// A line's state: 0 until the line is styled, then 1 + the comment it ends
/// inside.
int lineStateOf(CommentState state) { return 1 + static_cast<int>(state); }
CommentState commentStateOf(long lineState) {
  return lineState > 0 ? static_cast<CommentState>(lineState - 1) : CommentState::None;
}

/// Scintilla colours are 0x00BBGGRR.
long scintillaColour(std::uint32_t rgb) {
  return static_cast<long>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

}  // namespace

SourceHighlighter::SourceHighlighter(QsciScintillaBase& pane, PaneEdits& edits)
    : QObject(&pane), pane_(pane), edits_(edits) {
  send(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER);
  connect(&pane, &Sci::SCN_STYLENEEDED, this, [this](int position) { styleNeeded(position); });
  connect(&edits, &PaneEdits::edited, this,
          [this](long line, long linesAdded) { changed_.note(line, linesAdded); });
}

void SourceHighlighter::setLooks(const SourceLooks& looks) {
  if (looks == looks_) return;
  looks_ = looks;
  if (enabled_) showLooks();
}

void SourceHighlighter::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  edits_.settle();
  enabled_ = enabled;
  if (enabled) {
    // Every line is to be styled afresh, as if the whole text were new.
    changed_.clear();
    changed_.note(0, send(Sci::SCI_GETLINECOUNT) - 1);
    send(Sci::SCI_STARTSTYLING, 0);
  } else {
    send(Sci::SCI_STARTSTYLING, 0);
    send(Sci::SCI_SETSTYLING, static_cast<unsigned long>(send(Sci::SCI_GETLENGTH)), 0);
  }
  showLooks();
  pane_.viewport()->update();
}

void SourceHighlighter::showLooks() {
  // Every style takes the pane's font and colours, then its look.
  send(Sci::SCI_STYLECLEARALL);
  if (!enabled_) return;
  const auto apply = [this](int style, const TextLook& look) {
    send(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(style), scintillaColour(look.colour));
    send(Sci::SCI_STYLESETBOLD, static_cast<unsigned long>(style), look.bold);
    send(Sci::SCI_STYLESETITALIC, static_cast<unsigned long>(style), look.italic);
    send(Sci::SCI_STYLESETUNDERLINE, static_cast<unsigned long>(style), look.underlined);
  };
  apply(0, looks_.plain);
  for (const TokenClass tokenClass : TokenClasses) apply(styleOf(tokenClass), looks_[tokenClass]);
}

void SourceHighlighter::styleNeeded(long position) {
  edits_.settle();
  if (!enabled_) {
    // New text comes in plain, which is all there is to show.
    send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(position));
    return;
  }
  styleFrom(
      send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(send(Sci::SCI_GETENDSTYLED))),
      send(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
}

void SourceHighlighter::styleFrom(long line, long lastNeeded) {
  const long lineCount = send(Sci::SCI_GETLINECOUNT);
  // Lines whose styling an edit changed are drawn anew only when styled, so
  // the lines in view are styled too, not only those the pane asks for.
  const long lastInView = send(Sci::SCI_GETFIRSTVISIBLELINE) + send(Sci::SCI_LINESONSCREEN);
  CommentState state =
      line > 0 ? commentStateOf(send(Sci::SCI_GETLINESTATE, static_cast<unsigned long>(line - 1)))
               : CommentState::None;
  long runStart = send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
  while (line < lineCount) {
    const auto at = static_cast<unsigned long>(line);
    const long start = send(Sci::SCI_POSITIONFROMLINE, at);
    const long end = send(Sci::SCI_GETLINEENDPOSITION, at);
    const long next =
        line + 1 < lineCount ? send(Sci::SCI_POSITIONFROMLINE, at + 1) : send(Sci::SCI_GETLENGTH);
    const auto* text = reinterpret_cast<const char*>(
        send(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), end - start));
    scanTokens(std::string_view(text, static_cast<std::size_t>(end - start)), state, tokens_);
    const std::size_t lineAt = styles_.size();
    styles_.append(static_cast<std::size_t>(next - start), '\0');
    for (const Token& token : tokens_)
      std::memset(&styles_[lineAt + token.offset], styleOf(token.tokenClass), token.length);

    const long before = send(Sci::SCI_GETLINESTATE, at);
    const int after = lineStateOf(state);
    if (before != after) send(Sci::SCI_SETLINESTATE, at, after);
    // A line not edited that ends as it ended before leaves the lines after
    // it as they were styled, up to the next edited line.
    const bool sameAsBefore = before == after && !changed_.contains(line);
    ++line;
    if (sameAsBefore) {
      const long resume = changed_.empty() || changed_.last() < line ? lineCount : changed_.first();
      if (resume > line) {
        flushStyles(runStart);
        line = resume;
        runStart = line < lineCount
                       ? send(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line))
                       : send(Sci::SCI_GETLENGTH);
        send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(runStart));
        if (line >= lineCount || (line > lastNeeded && line > lastInView)) break;
        state = commentStateOf(send(Sci::SCI_GETLINESTATE, static_cast<unsigned long>(line - 1)));
        continue;
      }
    }
    if (line > lastNeeded && line > lastInView) break;
  }
  flushStyles(runStart);
  changed_.keepFrom(line);
}

void SourceHighlighter::flushStyles(long start) {
  if (styles_.empty()) return;
  send(Sci::SCI_STARTSTYLING, static_cast<unsigned long>(start));
  pane_.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles_.size()),
                      styles_.data());
  styles_.clear();
}

long SourceHighlighter::send(unsigned int message, unsigned long wParam, long lParam) const {
  return pane_.SendScintilla(message, wParam, lParam);
}
