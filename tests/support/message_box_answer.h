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

/// Answers every message box that comes up while it lives with button (a
/// box without that button with its default one), keeping what each said.
class MessageAnswerer : public QObject {
 public:
  explicit MessageAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok);

  QList<SeenBox> shown;

 private:
  QTimer poll_;
};
