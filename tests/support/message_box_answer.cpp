#include "message_box_answer.h"

#include <QApplication>
#include <QPushButton>

namespace {

/// The message box waiting for an answer, if one is up.
QMessageBox* openBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  return box != nullptr && box->isVisible() ? box : nullptr;
}

/// Records what box shows, then clicks its button.
SeenBox answer(QMessageBox& box, QMessageBox::StandardButton button) {
  SeenBox seen;
  seen.shown = true;
  seen.title = box.windowTitle();
  seen.text = box.text();
  seen.icon = box.icon();
  seen.format = box.textFormat();
  seen.buttons = box.standardButtons();
  seen.defaultButton = box.standardButton(box.defaultButton());
  QAbstractButton* clicked = box.button(button);
  (clicked ? clicked : box.defaultButton())->click();
  return seen;
}

}  // namespace

MessageAnswerer::MessageAnswerer(QMessageBox::StandardButton button) {
  connect(&poll_, &QTimer::timeout, this, [this, button] {
    if (QMessageBox* box = openBox()) shown.append(answer(*box, button));
  });
  poll_.start(10);
}
