#include "app/class_list.h"

#include <QScopedValueRollback>

ClassList::ClassList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  for (const char* caption : {"Comment", "Number", "Reserved Word", "String"}) {
    auto* row = new QListWidgetItem(QString::fromLatin1(caption), this);
    row->setSizeHint(QSize(0, RowHeight));
  }
}

void ClassList::mousePressEvent(QMouseEvent* event) {
  const QScopedValueRollback byMouse(choosingByMouse_, true);
  QListWidget::mousePressEvent(event);
}

void ClassList::mouseMoveEvent(QMouseEvent* event) {
  const QScopedValueRollback byMouse(choosingByMouse_, true);
  QListWidget::mouseMoveEvent(event);
}
