#include "app/app_context.h"
#include "app/program_start.h"
#include "gui/qt_file_dialog.h"
#include "gui/url_opener.h"
#include "settings/reg_file_store.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  prepareApplication();

  RegFileStore store(defaultSettingsFilePath());
  AppContext context{store, {}, {}, qtFileDialogFactory(), openAddress};
  ProgramStart start(context);
  return app.exec();
}
