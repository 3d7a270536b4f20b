#include "app/program_start.h"

#include "app/art.h"
#include "gui/fixed_texts.h"

#include <QApplication>
#include <QSettings>

void prepareApplication() {
  // Not the display name: X11 would append it to every window title.
  QApplication::setApplicationName(kProgramName);
  QApplication::setWindowIcon(programIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  // The settings store is the program's only configuration file. Qt's file
  // dialog would keep its history in a QtProject.conf of the user's
  // configuration folder; a folder that cannot exist keeps it from being written.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

ProgramStart::ProgramStart(AppContext& context, const QString& fileName)
    : mainWindow_(context), splash_(&mainWindow_) {
  if (!fileName.isEmpty()) {
    // Queued, so that the window stands drawn before the file is read and
    // before an error box.
    QObject::connect(
        &splash_, &SplashWindow::mainWindowShown, &mainWindow_,
        [this, fileName] { mainWindow_.openFromCommandLine(fileName); }, Qt::QueuedConnection);
  }
  splash_.show();
}
