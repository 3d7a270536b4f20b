#include "app/click_dropper.h"

#include <QCoreApplication>
#include <QEvent>

ClickDropper::ClickDropper(QObject* parent) : QObject(parent) {}

ClickDropper::~ClickDropper() {
  if (stage_ != Stage::Idle) QCoreApplication::instance()->removeEventFilter(this);
}

void ClickDropper::dropPendingClick() {
  if (stage_ == Stage::Idle) QCoreApplication::instance()->installEventFilter(this);
  stage_ = Stage::AwaitingPress;
}

bool ClickDropper::eventFilter(QObject* watched, QEvent* event) {
  // Only the delivery to widgets is dropped: the window still sees the whole
  // click and so keeps its record of which widget holds the mouse.
  if (!watched->isWidgetType()) return false;
  const bool press =
      event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (!press && !release) return false;
  if (press && stage_ == Stage::AwaitingPress) {
    stage_ = Stage::AwaitingRelease;
    return true;
  }
  // The dropped press's release, or a new press when that release was lost
  // while the message was shown.
  stage_ = Stage::Idle;
  QCoreApplication::instance()->removeEventFilter(this);
  return release;
}
