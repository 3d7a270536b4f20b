#include "message_box_answer.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

void answerNextBox(QMessageBox::StandardButton button, SeenBox& seen) {
  QTimer::singleShot(10, [button, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      answerNextBox(button, seen);
      return;
    }
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.format = box->textFormat();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    box->button(button)->click();
  });
}
