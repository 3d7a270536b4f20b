#include "app/live_conversion.h"

#include "engine/code_page.h"
#include "engine/converter.h"
#include "engine/line_tokens.h"
#include "gui/display_text.h"
#include "gui/pane.h"
#include "gui/pane_edits.h"
#include "settings/get_tags.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace {

using Sci = QsciScintillaBase;

/// The tag set for text held as UTF-8 whose bytes stand in page: converting
/// the held text with it gives the held text of the HTML the page's bytes
/// convert to, since the engine passes every byte it does not test.
TagSet heldTagSet(const TagSet& tags, CodePage page) {
  if (page == CodePage::Utf8) return tags;
  TagSet held = tags;
  for (const TokenClass tokenClass : TokenClasses) {
    const ClassMarkup<std::string> markup = markupOf(held, tokenClass);
    markup.open = toUtf8(markup.open, page);
    markup.close = toUtf8(markup.close, page);
  }
  return held;
}

/// Lets the program change a read-only pane's text, without undo history
/// and without telling of each change's text: an assistive technology reads
/// the pane's text afresh when it asks, and counting the characters before
/// every change would cost a keystroke as much again as the pane holds.
class PaneChange {
 public:
  explicit PaneChange(Pane& pane)
      : pane_(pane),
        wasReadOnly_(pane.isReadOnly()),
        notices_(static_cast<unsigned long>(pane.SendScintilla(Sci::SCI_GETMODEVENTMASK))) {
    pane_.setReadOnly(false);
    pane_.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0);
    // Only the notices before a change, which carry no count.
    pane_.SendScintilla(
        Sci::SCI_SETMODEVENTMASK,
        static_cast<unsigned long>(Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE));
  }
  ~PaneChange() {
    pane_.SendScintilla(Sci::SCI_SETMODEVENTMASK, notices_);
    pane_.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1);
    pane_.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    pane_.setReadOnly(wasReadOnly_);
  }
  PaneChange(const PaneChange&) = delete;
  PaneChange& operator=(const PaneChange&) = delete;

 private:
  Pane& pane_;
  bool wasReadOnly_;
  unsigned long notices_;
};

}  // namespace

LiveConversion::LiveConversion(Pane& source, Pane& html, PaneEdits& edits, SettingsStore& store,
                               TagSet& tags, std::function<void()> convertAll)
    : QObject(&source),
      source_(source),
      html_(html),
      edits_(edits),
      store_(store),
      tags_(tags),
      convertAll_(std::move(convertAll)) {
  setObjectName(QStringLiteral("LiveConversion"));
  followTimer_.setSingleShot(true);
  followTimer_.setInterval(0);
  connect(&followTimer_, &QTimer::timeout, this, &LiveConversion::catchUp);
  connect(&edits, &PaneEdits::edited, this, [this](long line, long linesAdded) {
    changed_.note(line, linesAdded);
    if (enabled_) followTimer_.start();
  });
}

void LiveConversion::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) {
    followTimer_.stop();
    endStates_.clear();
  }
}

void LiveConversion::restart() {
  edits_.settle();
  changed_.clear();
  followTimer_.stop();
  if (!enabled_) return;
  madeWith_ = tags_;
  const long lineCount = source_.SendScintilla(Sci::SCI_GETLINECOUNT);
  endStates_.assign(static_cast<std::size_t>(lineCount), CommentState::None);
  CommentState state = CommentState::None;
  std::vector<Token> tokens;
  for (long line = 0; line < lineCount; ++line) {
    scanTokens(sourceLine(line), state, tokens);
    endStates_[static_cast<std::size_t>(line)] = state;
  }
}

bool LiveConversion::isUpToDate() {
  edits_.settle();
  return !enabled_ || changed_.empty();
}

void LiveConversion::catchUp() {
  edits_.settle();
  followTimer_.stop();
  if (!enabled_ || changed_.empty()) return;
  try {
    const SettingsReadGroup reads(store_);
    GetTags(store_, tags_);
    // When the store changed since the HTML pane was made, all of it changes.
    if (tags_ == madeWith_ && !endStates_.empty())
      followEdits();
    else
      convertAll_();
  } catch (const std::exception& error) {
    emit failed(displayText(error.what()));
    return;
  }
  emit followed();
}

void LiveConversion::followEdits() {
  const long lineCount = source_.SendScintilla(Sci::SCI_GETLINECOUNT);
  const long oldCount = static_cast<long>(endStates_.size());
  const long added = lineCount - oldCount;
  const long first = std::min(changed_.first(), lineCount - 1);
  const long lastEdited = std::min(changed_.last(), lineCount - 1);

  const Converter converter(heldTagSet(tags_, source_.codePage()));
  CommentState state =
      first > 0 ? endStates_[static_cast<std::size_t>(first - 1)] : CommentState::None;
  std::vector<CommentState> states;
  std::string html;
  long line = first;
  for (;; ++line) {
    if (line > first) html += '\n';
    converter.convertLine(sourceLine(line), state, html);
    states.push_back(state);
    if (line < lastEdited) continue;
    // Past the edits, a line that ends as it ended before leaves the HTML of
    // the lines after it as it was.
    const long oldLine = line - added;
    if (line + 1 >= lineCount ||
        (oldLine < oldCount && endStates_[static_cast<std::size_t>(oldLine)] == state))
      break;
  }
  const long oldLast = std::clamp(line - added, first - 1, oldCount - 1);
  endStates_.erase(endStates_.begin() + first, endStates_.begin() + oldLast + 1);
  endStates_.insert(endStates_.begin() + first, states.begin(), states.end());
  replaceHtmlLines(first, oldLast, html);
  changed_.clear();
}

void LiveConversion::replaceHtmlLines(long first, long last, const std::string& text) {
  const PaneChange change(html_);
  const long start = html_.SendScintilla(Sci::SCI_POSITIONFROMLINE, first);
  const long end = last >= first ? html_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, last) : start;
  html_.SendScintilla(Sci::SCI_SETTARGETRANGE, start, end);
  html_.SendScintilla(Sci::SCI_REPLACETARGET, text.size(), text.data());

  // One HTML line per source line, each followed by a line break.
  const long wanted = static_cast<long>(source_.lineCount()) + 1;
  const long htmlLines = html_.SendScintilla(Sci::SCI_GETLINECOUNT);
  if (htmlLines < wanted) html_.SendScintilla(Sci::SCI_APPENDTEXT, 1UL, "\n");
  if (htmlLines > wanted)
    html_.SendScintilla(Sci::SCI_DELETERANGE, html_.SendScintilla(Sci::SCI_GETLENGTH) - 1, 1L);
}

std::string_view LiveConversion::sourceLine(long line) const {
  const long start = source_.SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
  const long end = source_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
  const auto* text = reinterpret_cast<const char*>(
      source_.SendScintilla(Sci::SCI_GETRANGEPOINTER, start, end - start));
  return {text, static_cast<std::size_t>(end - start)};
}
