#include "app/program_start.h"

#include "app/art.h"
#include "gui/fixed_texts.h"

#include <QApplication>

void prepareApplication() {
  // Not the display name: X11 would append it to every window title.
  QApplication::setApplicationName(kProgramName);
  QApplication::setWindowIcon(programIcon());
  QApplication::setQuitOnLastWindowClosed(false);
}

ProgramStart::ProgramStart(AppContext& context) : mainWindow_(context), splash_(&mainWindow_) {
  splash_.show();
}
