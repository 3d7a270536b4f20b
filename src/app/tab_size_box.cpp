#include "app/tab_size_box.h"

#include "app/up_down_arrows.h"

#include <QKeyEvent>

TabSizeBox::TabSizeBox(UpDownArrows& arrows, QWidget* parent) : QLineEdit(parent), arrows_(arrows) {
  setReadOnly(true);
  setMaxLength(2);
  showPosition(arrows_.position());
  connect(&arrows_, &UpDownArrows::positionChanged, this, &TabSizeBox::showPosition);
}

void TabSizeBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
    arrows_.stepBy(event->key() == Qt::Key_Up ? 1 : -1);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TabSizeBox::showPosition(int position) { setText(QString::number(position)); }
