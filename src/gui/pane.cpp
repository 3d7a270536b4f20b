#include "gui/pane.h"

#include "engine/source_lines.h"
#include "gui/pane_text.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

QFont paneFont() {
  QFont font(QStringLiteral("Courier New"), 10);
  font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

bool isPaneSwitch(const QKeyEvent* event) {
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  return tab && event->modifiers().testFlag(Qt::ControlModifier) &&
         !event->modifiers().testFlag(Qt::AltModifier);
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

void Pane::setLines(const std::vector<std::string>& lines, CodePage page) {
  const std::string text = joinPaneLines(lines);
  // UTF-8 goes in as it is; other bytes as the characters they stand for.
  const QByteArray characters =
      page == CodePage::Utf8 ? QByteArray() : decodeText(text, page).toUtf8();
  const std::string_view held = page == CodePage::Utf8
                                    ? std::string_view(text)
                                    : std::string_view(characters.constData(), characters.size());
  codePage_ = page;
  const bool wasReadOnly = isReadOnly();
  setReadOnly(false);
  SendScintilla(SCI_SETUNDOCOLLECTION, 0);
  SendScintilla(SCI_CLEARALL);
  SendScintilla(SCI_SETSCROLLWIDTH, 1);
  SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(held.size()), held.data());
  SendScintilla(SCI_SETUNDOCOLLECTION, 1);
  SendScintilla(SCI_EMPTYUNDOBUFFER);
  setReadOnly(wasReadOnly);
}

void Pane::replaceLinesKeepingView(const std::vector<std::string>& lines, CodePage page) {
  const long caret = SendScintilla(SCI_GETCURRENTPOS);
  const long firstLine = SendScintilla(SCI_GETFIRSTVISIBLELINE);
  const long xOffset = SendScintilla(SCI_GETXOFFSET);
  setLines(lines, page);
  SendScintilla(SCI_SETEMPTYSELECTION, caret);
  SendScintilla(SCI_SETFIRSTVISIBLELINE, firstLine);
  SendScintilla(SCI_SETXOFFSET, xOffset);
}

std::vector<std::string> Pane::lines() const {
  if (codePage_ == CodePage::Utf8) return splitLines(heldText());
  return splitLines(bytes());
}

std::string Pane::bytes() const {
  const std::string_view held = heldText();
  if (codePage_ == CodePage::Utf8) return std::string(held);
  return encodeText(QString::fromUtf8(held.data(), static_cast<qsizetype>(held.size())), codePage_);
}

std::string_view Pane::heldText() const {
  const auto length = static_cast<std::size_t>(SendScintilla(SCI_GETLENGTH));
  const auto* bytes = reinterpret_cast<const char*>(SendScintilla(SCI_GETCHARACTERPOINTER));
  return {bytes, length};
}

void Pane::moveCaretToStart() {
  SendScintilla(SCI_GOTOPOS, 0);
  SendScintilla(SCI_SETFIRSTVISIBLELINE, 0);
  SendScintilla(SCI_SETXOFFSET, 0);
}

void Pane::copyLinesToClipboard() {
  std::string text = bytes();
  if (!text.empty() && text.back() == '\n') text.pop_back();
  QApplication::clipboard()->setText(decodeText(text, codePage_));
  moveCaretToStart();
}

bool Pane::focusNextPrevChild(bool) { return false; }

void Pane::keyPressEvent(QKeyEvent* event) {
  if (isPaneSwitch(event)) {
    const bool forward =
        event->key() == Qt::Key_Tab && !event->modifiers().testFlag(Qt::ShiftModifier);
    QWidget::focusNextPrevChild(forward);
    event->accept();
    return;
  }
  const QString text = fitted(event->text());
  if (text == event->text()) {
    QsciScintilla::keyPressEvent(event);
    return;
  }
  QKeyEvent fittedEvent(event->type(), event->key(), event->modifiers(), text,
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
  QsciScintilla::keyPressEvent(&fittedEvent);
  event->setAccepted(fittedEvent.isAccepted());
}

void Pane::inputMethodEvent(QInputMethodEvent* event) {
  const QString text = fitted(event->commitString());
  if (text != event->commitString())
    event->setCommitString(text, event->replacementStart(), event->replacementLength());
  QsciScintilla::inputMethodEvent(event);
}

QByteArray Pane::fromMimeData(const QMimeData* source, bool& rectangular) const {
  const QByteArray text = QsciScintilla::fromMimeData(source, rectangular);
  if (codePage_ == CodePage::Utf8) return text;
  return fitted(QString::fromUtf8(text)).toUtf8();
}

QString Pane::fitted(const QString& text) const {
  if (codePage_ == CodePage::Utf8) return text;
  return decodeText(encodeText(text, codePage_), codePage_);
}
