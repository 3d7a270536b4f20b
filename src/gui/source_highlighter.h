#pragma once

#include "engine/token.h"
#include "gui/changed_lines.h"
#include "gui/source_looks.h"

#include <QObject>
#include <string>
#include <vector>

class PaneEdits;
class QsciScintillaBase;

/// Shows a source pane's text in the theme's looks: each token the scan finds
/// in its class's look, with the conversion's token ranges, the rest plain.
/// It styles lazily, as the pane draws: from the first line not styled since
/// it was edited, line by line, keeping in each line's state the comment the
/// line ends inside, and going on past the lines the pane needs until a line
/// ends in the state it ended in before and no edited line follows. The
/// pane's bytes never change.
class SourceHighlighter : public QObject {
  Q_OBJECT
 public:
  /// Styles pane, whose edits come through edits; starts switched off.
  SourceHighlighter(QsciScintillaBase& pane, PaneEdits& edits);

  /// The looks to show from now on.
  void setLooks(const SourceLooks& looks);
  /// Switched off, the pane shows plain text in its own colour.
  void setEnabled(bool enabled);
  bool isEnabled() const { return enabled_; }

  /// The pane style of a token class's text; plain text has style 0.
  static int styleOf(TokenClass tokenClass) { return 1 + static_cast<int>(tokenClass); }

 private:
  /// The pane needs its text styled up to position.
  void styleNeeded(long position);
  /// Styles from line on until the pane has what it needs up to lastNeeded.
  void styleFrom(long line, long lastNeeded);
  /// Hands the styles gathered since start to the pane.
  void flushStyles(long start);
  /// Gives the pane's styles their looks.
  void showLooks();
  long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

  QsciScintillaBase& pane_;
  PaneEdits& edits_;
  /// The lines edited since they were last styled.
  ChangedLines changed_;
  SourceLooks looks_;
  bool enabled_ = false;
  std::vector<Token> tokens_;
  std::string styles_;
};
