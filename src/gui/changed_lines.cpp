#include "gui/changed_lines.h"

#include <algorithm>

void ChangedLines::note(long line, long linesAdded) {
  const long editLast = line + std::max(linesAdded, 0L);
  if (empty_) {
    empty_ = false;
    first_ = line;
    last_ = editLast;
    return;
  }
  // The run's lines below the edit move with the lines it added or removed;
  // removed lines were joined to line.
  if (last_ > line) last_ = std::max(line, last_ + linesAdded);
  if (first_ > line) first_ = std::max(line, first_ + linesAdded);
  first_ = std::min(first_, line);
  last_ = std::max(last_, editLast);
}

void ChangedLines::keepFrom(long line) {
  if (empty_) return;
  if (line > last_) {
    clear();
    return;
  }
  first_ = std::max(first_, line);
}
