#pragma once

#include <QString>

class QLabel;
class QStatusBar;

/// The main window's status bar: on the left what the last command did, on
/// the right the out-of-date notice while the HTML pane lags behind the
/// source.
class StatusReport {
 public:
  explicit StatusReport(QStatusBar& bar);

  /// Shows message until the next one.
  void say(const QString& message);
  void setOutOfDate(bool outOfDate);

 private:
  QStatusBar& bar_;
  QLabel* notice_;
};
