#pragma once

#include <QPointer>
#include <QWidget>

class QTimer;

/// The splash window shown alone at start. Its one timer, 1500 ms after the
/// splash was made, shows the main window maximized and hides the splash.
/// It is the form TForm3, its objectName.
class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  /// Starts Timer1 at once; the program shows the splash after this.
  explicit SplashWindow(QWidget* mainWindow, QWidget* parent = nullptr);

  /// The 498 by 298 area inside the one-pixel black frame that holds every
  /// element; element positions are relative to it.
  QWidget* clientArea() const;

 signals:
  /// The timer has shown the main window.
  void mainWindowShown();

 private:
  void initialize();
  void createElements();
  void startCloseTimer();
  void Timer1Timer();

  QPointer<QWidget> mainWindow_;
  QWidget* clientArea_;
  QTimer* timer1_ = nullptr;
};
