#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

/// The splash window shown alone at start. Its one timer, 1500 ms after the
/// splash was made, shows the main window maximized and hides the splash.
class TForm3 : public QWidget {
  Q_OBJECT
 public:
  /// Starts Timer1 at once; the program shows the splash after this.
  explicit TForm3(QWidget* mainWindow, QWidget* parent = nullptr);

  /// The 498 by 298 area inside the one-pixel black frame that holds every
  /// element; element positions are relative to it.
  QWidget* clientArea() const;

 private:
  void FormCreate();
  void createElements();
  void startTimer1();
  void Timer1Timer();

  QPointer<QWidget> mainWindow_;
  QWidget* clientArea_;
  QTimer* timer1_ = nullptr;
};
