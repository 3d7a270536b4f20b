#pragma once

#include "app/app_context.h"
#include "app/main_window.h"
#include "message_box_answer.h"
#include "scripted_dialogs.h"
#include "test_files.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class Pane;
class SettingsStore;

/// The base of every window test. The program is prepared as at its start
/// and the user's config, cache and runtime folders point into a temporary
/// folder for the whole test program. Every test function gets a fresh
/// folder for its files, a store, scripted file dialogs, the program's
/// context and a main window, shown and active.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  /// The store a test function's window reads, made in its fresh folder: a
  /// WatchedStore unless the test class says otherwise.
  virtual std::unique_ptr<SettingsStore> makeStore(const TempFolder& folder) const;
  /// Whether the main window is shown and active when a test function
  /// starts; a test of what comes before it (the splash) keeps it hidden.
  virtual bool showsMainWindowAtStart() const { return true; }
  /// Runs before each test function, once its window stands.
  virtual void initTest() {}
  /// Runs after each test function, before its window and store go.
  virtual void cleanupTest() {}

  MainWindow& window() const { return *fixture_->window; }
  SettingsStore& store() const { return *fixture_->store; }
  /// The store as the type the test class made.
  template <typename Store>
  Store& storeAs() const {
    return static_cast<Store&>(store());
  }
  AppContext& context() const { return fixture_->context; }
  ScriptedDialogs& dialogs() const { return fixture_->dialogs; }
  /// The addresses the program asked to open, in order.
  const QStringList& opened() const { return fixture_->opened; }
  const TempFolder& folder() const { return fixture_->folder; }
  Pane* pane(const char* name) const;

  /// The path of name in the test function's folder.
  QString path(const QString& name) const;
  /// Writes bytes to name in the folder; gives back its path.
  QString file(const QString& name, const std::string& bytes) const;
  /// Opens fileName with File > Open, the dialog answering it.
  void open(const QString& fileName) const;
  /// A key pressed in the main window.
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
  /// Makes window the active window and waits until it is.
  static void activate(QWidget* window);
  /// Runs command, answers the message box it brings up with button and
  /// gives back what the box showed (shown stays false when none came).
  /// The main window is active again afterwards.
  SeenBox answered(QMessageBox::StandardButton button, const std::function<void()>& command);
  /// Runs command, answering every message box it brings up with button (a
  /// box without that button with its default one), and gives back what
  /// each showed, in order: none when command brought none up. The main
  /// window is active again afterwards.
  QList<SeenBox> allAnswered(QMessageBox::StandardButton button,
                             const std::function<void()>& command);

  /// A new main window over the same store, context and dialogs, shown and
  /// active; the old one goes first.
  void remakeWindow();
  /// The main window goes; the store, context and dialogs stay.
  void dropWindow();

  /// The control named name in window; a test that asks for a missing one fails at once.
  template <typename Control>
  static Control* control(const QWidget* window, const char* name) {
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
  }

 private slots:
  void initTestCase();
  void init();
  void cleanup();

 private:
  /// What one test function works with.
  struct Fixture {
    explicit Fixture(const WindowTest& test);
    TempFolder folder;
    std::unique_ptr<SettingsStore> store;
    ScriptedDialogs dialogs;
    QStringList opened;
    AppContext context;
    std::unique_ptr<MainWindow> window;
  };
  void makeWindow();

  QTemporaryDir userFolders_;
  std::unique_ptr<Fixture> fixture_;
};
