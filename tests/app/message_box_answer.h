#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

/// What a message box showed before the test answered it.
struct SeenBox {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// Answers the next message box that comes up with button and records it in
/// seen, which must outlive the box.
void answerNextBox(QMessageBox::StandardButton button, SeenBox& seen);

/// Answers every message box with OK while it lives, keeping what each said.
class MessageAnswerer : public QObject {
 public:
  MessageAnswerer();

  QList<SeenBox> shown;

 private:
  QTimer poll_;
};
