#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

/// Makes a window keep the activation among the program's windows: whenever
/// another window of the program becomes active, the newest kept window takes
/// it back, until it is released (its closing flag). Modal dialogs and message
/// boxes are let through. Other programs are not affected.
class ActivationKeeper : public QObject {
  Q_OBJECT
 public:
  explicit ActivationKeeper(QObject* parent = nullptr);

  /// Keeps window active from now on; it becomes the newest kept window.
  void keep(QWidget* window);
  /// Lets the window's closing through: it is no longer kept.
  void release(QWidget* window);

 private:
  /// Called whenever the program's active window changes.
  void takeBack(QWindow* nowActive);
  /// The newest kept window still shown, or null.
  QWidget* newestKept();

  QList<QPointer<QWidget>> kept_;
};
