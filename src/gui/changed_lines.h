#pragma once

/// The lines of a text that were edited since its reader last caught up with
/// them, as one run from first() to last() in the text's current line
/// numbers. Each edit widens the run to cover itself, and lines that come or
/// go above the run move it; lines between two edits count as edited too.
class ChangedLines {
 public:
  /// Notes an edit that began on line and added linesAdded lines after it
  /// (a negative count: removed them, joining them to line).
  void note(long line, long linesAdded);
  /// The reader caught up with every line before line.
  void keepFrom(long line);
  /// The reader caught up with every line.
  void clear() { empty_ = true; }

  bool empty() const { return empty_; }
  /// The first and last edited line; meaningful when not empty().
  long first() const { return first_; }
  long last() const { return last_; }
  /// Whether line was edited.
  bool contains(long line) const { return !empty_ && line >= first_ && line <= last_; }

 private:
  bool empty_ = true;
  long first_ = 0;
  long last_ = 0;
};
