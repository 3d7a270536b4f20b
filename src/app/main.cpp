#include <QApplication>
#include <QMainWindow>

// Placeholder until the main window lands.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaline"));
  QMainWindow window;
  window.showMaximized();
  return app.exec();
}
