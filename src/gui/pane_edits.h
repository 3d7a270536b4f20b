#pragma once

#include <QObject>

class QsciScintillaBase;

/// Reports the edits of a pane's text: the line each began on and how many
/// lines it added or removed. The pane tells of an edit before it is made;
/// what it added is known once it is done, so an edit is reported when the
/// next one begins or when a reader calls settle(), whichever comes first.
/// Undo and redo are edits like any other.
class PaneEdits : public QObject {
  Q_OBJECT
 public:
  explicit PaneEdits(QsciScintillaBase& pane);

  /// Reports the last edit now if it has not been reported yet.
  void settle();

 signals:
  /// The text is about to change.
  void editing();
  /// An edit began on line and added linesAdded lines after it (a negative
  /// count: removed them).
  void edited(long line, long linesAdded);

 private:
  /// An edit at position is about to be made.
  void beginEdit(long position);
  long lineCount() const;

  QsciScintillaBase& pane_;
  bool pending_ = false;
  long pendingLine_ = 0;
  long lineCountBefore_ = 0;
};
