#include "app/text_box.h"

#include <QApplication>
#include <QFocusEvent>

namespace {

bool movesWithinWindow(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
      return true;
    default:
      return false;
  }
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // Qt selects the text for Tab and shortcuts only; an edit box of the
  // original platform also does when the program moves the focus into it.
  if (event->reason() == Qt::OtherFocusReason) selectAll();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  // The line edit's own handling comes first, so that a handler that puts the
  // focus straight back finds the box in its focused state afterwards.
  QLineEdit::focusOutEvent(event);
  // The application's focus widget is already the new one at this point; a box
  // that is being disabled hands its focus on without being left by the user.
  const QWidget* next = QApplication::focusWidget();
  if (movesWithinWindow(event->reason()) && isEnabled() && next != nullptr && next != this &&
      next->window() == window())
    emit left(event->reason());
}
