#pragma once

#include "engine/tag_set.h"
#include "engine/token.h"
#include "gui/changed_lines.h"
#include "settings/settings_store.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class Pane;
class PaneEdits;

/// Converts as the user types, while switched on: after each edit of the
/// source pane, the HTML pane's lines of the edited source lines, and of the
/// lines after them whose comment state changed, are replaced, so that the
/// HTML pane holds what Convert / Refresh would put there. Each update reads
/// the tag set from the store afresh, as every conversion does; when it
/// differs from the one the HTML pane was made with, the whole source is
/// converted again. The HTML pane keeps its caret and the lines it shows.
/// Edits are followed once the event loop is back, so a paste or an undo of
/// many steps is followed once.
class LiveConversion : public QObject {
  Q_OBJECT
 public:
  /// Follows source into html. tags is the program's tag set, which every
  /// conversion rebuilds; convertAll converts the whole source into the HTML
  /// pane (and raises what fails).
  LiveConversion(Pane& source, Pane& html, PaneEdits& edits, SettingsStore& store, TagSet& tags,
                 std::function<void()> convertAll);

  void setEnabled(bool enabled);
  bool isEnabled() const { return enabled_; }

  /// The HTML pane now holds the whole source converted with the program's
  /// tag set: follow the edits from here.
  void restart();
  /// Follows the edits not followed yet, now.
  void catchUp();
  /// Whether the HTML pane follows every edit made so far.
  bool isUpToDate();

 signals:
  /// The HTML pane follows the source again.
  void followed();
  /// An error (of the store, mostly) kept the HTML pane from following;
  /// the next edit tries again.
  void failed(const QString& message);

 private:
  /// Replaces the HTML lines of the edited lines and of those whose comment
  /// state the edits changed.
  void followEdits();
  /// Replaces the HTML pane's lines first to last with text; then makes the
  /// pane hold one line per source line, each followed by a line break, as a
  /// conversion of the source's lines would.
  void replaceHtmlLines(long first, long last, const std::string& text);
  /// The source pane's line, as the pane holds it.
  std::string_view sourceLine(long line) const;

  Pane& source_;
  Pane& html_;
  PaneEdits& edits_;
  SettingsStore& store_;
  TagSet& tags_;
  std::function<void()> convertAll_;
  bool enabled_ = false;
  /// The tag set the HTML pane was made with.
  TagSet madeWith_;
  /// The comment each source line ends inside, as the HTML pane shows it.
  std::vector<CommentState> endStates_;
  /// The source lines edited since the HTML pane last followed.
  ChangedLines changed_;
  QTimer followTimer_;
};
