#include "gui/question_box.h"

#include "gui/fixed_texts.h"

#include <QMessageBox>

bool askYesNo(QWidget* owner, const QString& objectName, const QString& text,
              DefaultAnswer defaultAnswer) {
  QMessageBox box(QMessageBox::Question, kProgramName, text, QMessageBox::Yes | QMessageBox::No,
                  owner);
  box.setObjectName(objectName);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}
