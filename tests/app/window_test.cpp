#include "window_test.h"

#include "gui/pane.h"
#include "user_folders.h"

#include <QTest>

Pane* WindowTest::pane(const char* name) const { return window().findChild<Pane*>(name); }

QString WindowTest::path(const QString& name) const {
  return QString::fromStdString(fixture_->folder.file(name.toStdString()));
}

QString WindowTest::file(const QString& name, const std::string& bytes) const {
  writeBytes(path(name).toStdString(), bytes);
  return path(name);
}

void WindowTest::open(const QString& fileName) const {
  dialogs().open.answers.push_back(DialogAnswer{fileName, 1});
  QTest::keyClick(&window(), Qt::Key_O, Qt::ControlModifier);
}

void WindowTest::initTestCase() {
  QVERIFY(userFolders_.isValid());
  QVERIFY(useUserFoldersIn(userFolders_));
}

void WindowTest::init() {
  fixture_ = std::make_unique<Fixture>();
  window().show();
  window().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void WindowTest::cleanup() { fixture_.reset(); }
