#include "app/up_down_arrows.h"

#include <QToolButton>
#include <algorithm>

UpDownArrows::UpDownArrows(int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)),
      up_(makeArrow(Qt::UpArrow, 1)),
      down_(makeArrow(Qt::DownArrow, -1)) {
  setFocusPolicy(Qt::NoFocus);
}

void UpDownArrows::setPosition(int position) {
  const int held = std::clamp(position, minimum_, maximum_);
  if (held == position_) return;
  position_ = held;
  emit positionChanged(position_);
}

void UpDownArrows::resizeEvent(QResizeEvent*) {
  const int upperHalf = height() / 2;
  up_->setGeometry(0, 0, width(), upperHalf);
  down_->setGeometry(0, upperHalf, width(), height() - upperHalf);
}

QToolButton* UpDownArrows::makeArrow(Qt::ArrowType direction, int step) {
  auto* arrow = new QToolButton(this);
  arrow->setArrowType(direction);
  arrow->setFocusPolicy(Qt::NoFocus);
  arrow->setAutoRepeat(true);
  connect(arrow, &QToolButton::clicked, this, [this, step] { stepBy(step); });
  return arrow;
}
