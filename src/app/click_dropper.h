#pragma once

#include <QObject>

/// Drops the mouse click whose press is being delivered: the press that
/// moved the focus out of a box which took the focus back after refusing
/// its text. Without it, the press would go on to the control clicked and
/// its release would press a button (Cancel, say) the user never reached.
class ClickDropper : public QObject {
  Q_OBJECT
 public:
  explicit ClickDropper(QObject* parent = nullptr);
  ~ClickDropper() override;

  /// Drops the press now on its way and its release.
  void dropPendingClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Stage { Idle, AwaitingPress, AwaitingRelease };
  Stage stage_ = Stage::Idle;
};
