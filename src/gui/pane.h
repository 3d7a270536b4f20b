#pragma once

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>
#include <vector>

/// One of the main window's text panes: plain lines of bytes in a fixed-pitch
/// font, no lexer, no wrapping. Filled and read through the editor's byte
/// interface, so every byte (NUL included) comes back as it went in.
class Pane : public QsciScintilla {
  Q_OBJECT
 public:
  explicit Pane(const QString& objectName, QWidget* parent = nullptr);

  /// Replaces the pane's lines. utf8 chooses how the bytes show: as UTF-8, or
  /// one byte a character. Undo history starts afresh.
  void setLines(const std::vector<std::string>& lines, bool utf8);
  /// The pane's lines as they stand now (typed and pasted text included).
  std::vector<std::string> lines() const;
  /// The pane's bytes, without a copy; valid until the next change.
  std::string_view text() const;
  /// Whether the pane shows its bytes as UTF-8.
  bool isUtf8() const;

  /// The caret at the very beginning, nothing selected, first line and
  /// column in view.
  void moveCaretToStart();
  /// Puts the pane's lines, joined by LF, on the clipboard; then nothing is
  /// selected and the caret is at the start.
  void copyLinesToClipboard();

 protected:
  /// Tab and Shift+Tab stay in the pane: the source pane takes them as text,
  /// the read-only HTML pane ignores them.
  bool focusNextPrevChild(bool next) override;
};
