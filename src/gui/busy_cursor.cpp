#include "gui/busy_cursor.h"

#include <QApplication>
#include <QCursor>

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }
