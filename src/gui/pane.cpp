#include "gui/pane.h"

#include "gui/pane_text.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>

namespace {

QFont paneFont() {
  QFont font(QStringLiteral("Courier New"), 10);
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace

Pane::Pane(const QString& objectName, QWidget* parent) : QsciScintilla(parent) {
  setObjectName(objectName);
  setFont(paneFont());
  setWrapMode(WrapNone);
  setMarginWidth(1, 0);
  setUtf8(true);
  SendScintilla(SCI_SETHSCROLLBAR, 1);
  SendScintilla(SCI_SETVSCROLLBAR, 1);
  // After the editor's own settings, which show the bars only when needed.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Start narrow and let the horizontal scroll range follow the longest line.
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1);
}

void Pane::setLines(const std::vector<std::string>& lines, bool utf8) {
  const std::string text = joinPaneLines(lines);
  const bool wasReadOnly = isReadOnly();
  setReadOnly(false);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0);
  SendScintilla(SCI_CLEARALL);
  // The code page goes first: it decides how the bytes that follow show.
  setUtf8(utf8);
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.data());
  SendScintilla(SCI_SETUNDOCOLLECTION, 1);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  setReadOnly(wasReadOnly);
}

std::vector<std::string> Pane::lines() const { return splitPaneLines(text()); }

std::string_view Pane::text() const {
  const auto length = static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
  const auto* bytes = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
  return {bytes, length};
}

bool Pane::isUtf8() const { return SendScintilla(SCI_GETCODEPAGE) == SC_CP_UTF8; }

void Pane::moveCaretToStart() {
  SendScintilla(SCI_GOTOPOS, 0);
  SendScintilla(SCI_SETFIRSTVISIBLELINE, 0);
  SendScintilla(SCI_SETXOFFSET, 0);
}

void Pane::copyLinesToClipboard() {
  std::string_view bytes = text();
  if (!bytes.empty() && bytes.back() == '\n') bytes.remove_suffix(1);
  const auto size = static_cast<qsizetype>(bytes.size());
  QApplication::clipboard()->setText(isUtf8() ? QString::fromUtf8(bytes.data(), size)
                                              : QString::fromLatin1(bytes.data(), size));
  moveCaretToStart();
}

bool Pane::focusNextPrevChild(bool) { return false; }
