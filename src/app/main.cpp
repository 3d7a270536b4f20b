#include "app/app_context.h"
#include "app/main_window.h"
#include "app/qt_file_dialog.h"
#include "app/url_opener.h"
#include "settings/reg_file_store.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Not the display name: X11 would append it to every window title.
  QApplication::setApplicationName(QStringLiteral("Tessaline"));
  QApplication::setQuitOnLastWindowClosed(false);

  RegFileStore store(defaultSettingsFilePath());
  AppContext context{store, {}, {}, qtFileDialogFactory(), openAddress};
  TForm1 window(context);

  // The splash's timer will show the main window here; until it does, the
  // window shows at once.
  window.showMaximized();
  return app.exec();
}
