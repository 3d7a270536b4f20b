#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

/// Makes a window keep the activation among the program's windows: whenever
/// another window of the program becomes active, the newest kept window takes
/// it back, until it is released (its closing flag). Modal dialogs and message
/// boxes are let through. Other programs are not affected. A released window
/// that held the activation hands it on, to the newest window still kept or
/// else to the window that was active when it came, as a window manager
/// would, and also where there is none.
class ActivationKeeper : public QObject {
  Q_OBJECT
 public:
  explicit ActivationKeeper(QObject* parent = nullptr);

  /// Keeps window active from now on; it becomes the newest kept window.
  void keep(QWidget* window);
  /// Lets the window's closing through: it is no longer kept.
  void release(QWidget* window);

 private:
  /// A kept window and the window that was active when it came.
  struct Kept {
    QPointer<QWidget> window;
    QPointer<QWidget> cameFrom;
  };

  /// Called whenever the program's active window changes.
  void takeBack(QWindow* nowActive);
  /// The newest kept window still shown, or null.
  QWidget* newestKept();

  QList<Kept> kept_;
};
