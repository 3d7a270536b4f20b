#include "gui/error_box.h"

#include "gui/display_text.h"
#include "gui/fixed_texts.h"

#include <QMessageBox>

QString errorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
  return message;
}

void showErrorBox(QWidget* parent, const std::exception& error) {
  QMessageBox box(QMessageBox::Critical, kProgramName, errorBoxText(displayText(error.what())),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool runCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    showErrorBox(parent, error);
    return false;
  }
}
