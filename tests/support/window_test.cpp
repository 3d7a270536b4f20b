#include "window_test.h"

#include "app/program_start.h"
#include "gui/pane.h"
#include "user_folders.h"
#include "watched_store.h"

#include <QApplication>
#include <QTest>

WindowTest::Fixture::Fixture(const WindowTest& test)
    : store(test.makeStore(folder)), context{*store,
                                             {},
                                             {},
                                             dialogs.factory(),
                                             [this](const QString& address) { opened << address; },
                                             {}} {}

std::unique_ptr<SettingsStore> WindowTest::makeStore(const TempFolder&) const {
  return std::make_unique<WatchedStore>();
}

Pane* WindowTest::pane(const char* name) const { return window().findChild<Pane*>(name); }

QString WindowTest::path(const QString& name) const {
  return QString::fromStdString(folder().file(name.toStdString()));
}

QString WindowTest::file(const QString& name, const std::string& bytes) const {
  writeBytes(path(name).toStdString(), bytes);
  return path(name);
}

void WindowTest::open(const QString& fileName) const {
  dialogs().open.answers.push_back(DialogAnswer{fileName, 1});
  press(Qt::Key_O, Qt::ControlModifier);
}

void WindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
  QTest::keyClick(&window(), key, modifiers);
}

void WindowTest::activate(QWidget* window) {
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window))
    qWarning("%s stayed inactive", qPrintable(window->objectName()));
}

SeenBox WindowTest::answered(QMessageBox::StandardButton button,
                             const std::function<void()>& command) {
  const MessageAnswerer answers(button);
  command();
  // After a modal box no window is active offscreen; later shortcuts need one.
  if (QTest::qWaitFor([&answers] { return !answers.shown.isEmpty(); }) && fixture_->window)
    activate(&window());
  return answers.shown.value(0);
}

QList<SeenBox> WindowTest::allAnswered(QMessageBox::StandardButton button,
                                       const std::function<void()>& command) {
  const MessageAnswerer answers(button);
  // A message box is modal: it has come and gone when command returns.
  command();
  if (!answers.shown.isEmpty() && fixture_->window) activate(&window());
  return answers.shown;
}

void WindowTest::makeWindow() {
  fixture_->window = std::make_unique<MainWindow>(fixture_->context);
  if (!showsMainWindowAtStart()) return;
  window().show();
  activate(&window());
}

void WindowTest::remakeWindow() {
  dropWindow();
  makeWindow();
}

void WindowTest::dropWindow() {
  fixture_->window.reset();
  // The windows it took with it are deleted later.
  QTest::qWait(0);
}

void WindowTest::initTestCase() {
  QVERIFY(userFolders_.isValid());
  QVERIFY(useUserFoldersIn(userFolders_));
  prepareApplication();
}

void WindowTest::init() {
  fixture_ = std::make_unique<Fixture>(*this);
  makeWindow();
  initTest();
}

void WindowTest::cleanup() {
  cleanupTest();
  fixture_.reset();
  QTest::qWait(0);
}
