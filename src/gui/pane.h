#pragma once

#include "gui/code_page.h"

#include <Qsci/qsciscintilla.h>

#include <string>
#include <string_view>
#include <vector>

/// One of the main window's text panes: plain lines of bytes in a fixed-pitch
/// font, no lexer, no wrapping. The editor holds the characters as UTF-8; the
/// pane's code page says which bytes they stand for, so every byte (NUL
/// included) comes back as it went in.
class Pane : public QsciScintilla {
  Q_OBJECT
 public:
  explicit Pane(const QString& objectName, QWidget* parent = nullptr);

  /// Replaces the pane's lines, read in page from now on. Undo history
  /// starts afresh.
  void setLines(const std::vector<std::string>& lines, CodePage page);
  /// As setLines, but the caret and the scroll position stay where they were
  /// (as far as the new lines reach).
  void replaceLinesKeepingView(const std::vector<std::string>& lines, CodePage page);
  /// The pane's lines as they stand now (typed and pasted text included).
  std::vector<std::string> lines() const;
  /// The pane's bytes in its code page, line breaks as they stand.
  std::string bytes() const;
  /// The code page the pane's bytes are read in.
  CodePage codePage() const { return codePage_; }

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
  /// Ctrl+Tab and Ctrl+Shift+Tab move the focus on to the next pane; typed
  /// characters the code page lacks enter as "?".
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  /// Pasted and dropped text, fitted to the code page.
  QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override;

 private:
  /// The editor's UTF-8 text, without a copy; valid until the next change.
  std::string_view heldText() const;
  /// text as the code page can hold it: what it lacks becomes "?".
  QString fitted(const QString& text) const;

  CodePage codePage_ = CodePage::Utf8;
};
