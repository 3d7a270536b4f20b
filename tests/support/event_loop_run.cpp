#include "event_loop_run.h"

#include <QApplication>
#include <QTimer>

int runEventLoopStartingWith(const std::function<void()>& start) {
  QTimer first;
  first.setSingleShot(true);
  QObject::connect(&first, &QTimer::timeout, start);
  first.start(0);
  QTimer failSafe;
  failSafe.setSingleShot(true);
  QObject::connect(&failSafe, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
  failSafe.start(10000);
  return QApplication::exec();
}
