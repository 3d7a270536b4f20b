#include "gui/divider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

/// The width of the handle drawn in the strip's middle.
constexpr int HandleWidth = 6;

}  // namespace

Divider::Divider(const QString& objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(objectName);
  setCursor(Qt::SplitHCursor);
  setToolTip(QStringLiteral("Drag to share the width; double-click for equal halves"));
}

void Divider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  grip_ = event->position().toPoint().x() - width() / 2;
  event->accept();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  emit dragged(mapToParent(event->position().toPoint()).x() - grip_);
  event->accept();
}

void Divider::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  emit evenSplitAsked();
  event->accept();
}

void Divider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOption handle;
  handle.initFrom(this);
  handle.rect = QRect((width() - HandleWidth) / 2, 0, HandleWidth, height());
  handle.state |= QStyle::State_Horizontal;
  style()->drawControl(QStyle::CE_Splitter, &handle, &painter, this);
}
