#include "app/app_context.h"
#include "app/command_line.h"
#include "app/help_page.h"
#include "app/program_start.h"
#include "gui/qt_file_dialog.h"
#include "gui/url_opener.h"
#include "settings/reg_file_store.h"

#include <QApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>

namespace {

/// Reads the command line before any display is needed: --help, --version
/// and a wrong command line end the program here, on a machine without one.
StartRequest readStartRequest(int argc, char** argv) {
  const QCoreApplication withoutDisplay(argc, argv);
  QTextStream out(stdout);
  QTextStream errors(stderr);
  return readCommandLine(QCoreApplication::arguments(), out, errors);
}

}  // namespace

int main(int argc, char** argv) {
  // Past the file-size limit a write then fails with EFBIG, which the error
  // box reports, instead of the signal ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  const StartRequest request = readStartRequest(argc, argv);
  if (request.exitStatus) return *request.exitStatus;

  QApplication app(argc, argv);
  prepareApplication();

  RegFileStore store(defaultSettingsFilePath());
  AppContext context{store,       {},
                     {},          qtFileDialogFactory(),
                     openAddress, findHelpPage(QCoreApplication::applicationDirPath())};
  ProgramStart start(context, request.fileName);
  return app.exec();
}
