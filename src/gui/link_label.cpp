#include "gui/link_label.h"

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

namespace {
const QColor kNavy(0x00, 0x00, 0x80);
}  // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  QPalette linkPalette = palette();
  linkPalette.setColor(QPalette::WindowText, kNavy);
  setPalette(linkPalette);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}
