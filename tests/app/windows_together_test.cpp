#include "app/about.h"
#include "app/main_window.h"
#include "app/program_start.h"
#include "app/settings_dialog.h"
#include "app/splash.h"
#include "engine/converter.h"
#include "event_loop_run.h"
#include "gui/pane.h"
#include "scripted_dialogs.h"
#include "settings/get_tags.h"
#include "settings/memory_store.h"
#include "settings/settings_io.h"
#include "user_folders.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

/// The program's visible top-level windows named name, oldest first.
QList<QWidget*> shownWindows(const char* name) {
  QList<QWidget*> found;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == QLatin1String(name) && window->isVisible()) found << window;
  return found;
}

}  // namespace

/// The main window with the windows it opens: the settings dialog, the About
/// window and, at start, the splash.
class WindowsTogetherTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir base_;
  std::unique_ptr<MemoryStore> store_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<MainWindow> window_;

  Pane* pane(const char* name) const { return window_->findChild<Pane*>(name); }
  void trigger(const char* action) { window_->findChild<QAction*>(action)->trigger(); }
  void activateMain() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  /// Opens the settings dialog with F3 and waits until it has loaded.
  SettingsDialog* openSettings() {
    QTest::keyClick(QApplication::activeWindow(), Qt::Key_F3);
    SettingsDialog* dialog = nullptr;
    if (!QTest::qWaitFor([&] {
          dialog = qobject_cast<SettingsDialog*>(shownWindows("TForm2").value(0));
          return dialog && QApplication::activeWindow() == dialog;
        }))
      qWarning("no active settings dialog");
    return dialog;
  }
  AboutWindow* openAbout() {
    const qsizetype before = shownWindows("TForm4").size();
    trigger("About1");
    const QList<QWidget*> shown = shownWindows("TForm4");
    return shown.size() == before + 1 ? qobject_cast<AboutWindow*>(shown.last()) : nullptr;
  }
  /// The main window tries to become active; holder must end up active.
  void checkHolds(QWidget* holder) {
    window_->activateWindow();
    QTest::qWait(50);
    QTRY_COMPARE(QApplication::activeWindow(), holder);
  }

 private slots:
  void initTestCase() {
    QVERIFY(base_.isValid());
    QVERIFY(useUserFoldersIn(base_));
    prepareApplication();
  }

  void init() {
    store_ = std::make_unique<MemoryStore>();
    dialogs_ = std::make_unique<ScriptedDialogs>();
    context_ = std::make_unique<AppContext>(
        AppContext{*store_, {}, {}, dialogs_->factory(), [](const QString&) {}});
    window_ = std::make_unique<MainWindow>(*context_);
    window_->show();
    activateMain();
  }

  void cleanup() {
    window_.reset();
    QTest::qWait(0);
    QVERIFY(shownWindows("TForm2").isEmpty());
    QVERIFY(shownWindows("TForm4").isEmpty());
  }

  void f3_opens_one_settings_dialog_and_brings_it_forward() {
    SettingsDialog* dialog = openSettings();
    QVERIFY(dialog);
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->parent() == nullptr);

    window_->activateWindow();
    QTest::keyClick(dialog, Qt::Key_F3);
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QCOMPARE(shownWindows("TForm2"), QList<QWidget*>{dialog});
  }

  void a_closed_settings_dialog_is_not_reused() {
    QPointer<SettingsDialog> first = openSettings();
    QVERIFY(first);
    first->findChild<QPushButton*>("btnCancel")->click();
    QTRY_VERIFY(first.isNull());
    activateMain();
    SettingsDialog* second = openSettings();
    QVERIFY(second);
    QCOMPARE(shownWindows("TForm2").size(), 1);
  }

  void ok_reconverts_the_html_pane_keeping_its_caret() {
    pane("edSource")->setLines({"begin end;", "x := 1;"}, CodePage::Utf8);
    trigger("Refresh1");
    pane("edHTML")->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 7);
    QVERIFY(pane("edHTML")->bytes().find("<b>") != std::string::npos);

    SettingsDialog* dialog = openSettings();
    QVERIFY(dialog);
    dialog->findChild<QRadioButton*>("rbtnStyles")->click();
    dialog->findChild<QPushButton*>("btnOK")->click();

    QTRY_VERIFY(shownWindows("TForm2").isEmpty());
    GetTags(*store_, context_->tags);
    QVERIFY(!context_->tags.Incode);
    const std::vector<std::string> html = Convert({"begin end;", "x := 1;"}, context_->tags);
    QCOMPARE(pane("edHTML")->lines(), html);
    QVERIFY(html.front().find("<span") != std::string::npos);
    QCOMPARE(pane("edHTML")->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), 7L);
  }

  void about_opens_a_new_window_each_time() {
    QPointer<AboutWindow> first = openAbout();
    QVERIFY(first);
    QVERIFY(first->parent() == nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), first.data());
    first->close();
    QTRY_VERIFY(first.isNull());
    AboutWindow* second = openAbout();
    QVERIFY(second);
    QTRY_COMPARE(QApplication::activeWindow(), second);
    QVERIFY(openAbout());
    QCOMPARE(shownWindows("TForm4").size(), 2);
  }

  void the_newer_window_holds_the_activation() {
    SettingsDialog* dialog = openSettings();
    QVERIFY(dialog);
    AboutWindow* about = openAbout();
    QVERIFY(about);
    checkHolds(about);

    about->close();
    checkHolds(dialog);
    AboutWindow* later = openAbout();
    QVERIFY(later);
    checkHolds(later);

    // F3 brings the open dialog forward, and it holds the activation now.
    QTest::keyClick(later, Qt::Key_F3);
    checkHolds(dialog);
    QCOMPARE(shownWindows("TForm2").size(), 1);
  }

  void closing_the_main_window_ends_the_program_with_both_open() {
    trigger("PreviewInBrowser1");
    const QString preview = QString::fromStdString(window_->previewFileName());
    QVERIFY(QFile::exists(preview));
    QVERIFY(openSettings());
    QVERIFY(openAbout());

    QCOMPARE(runEventLoopStartingWith([this] { window_->close(); }), 0);
    QVERIFY(!window_->isVisible());
    QVERIFY(!QFile::exists(preview));
  }

  void keyboard_alone_stores_a_typed_colour() {
    SettingsDialog* dialog = openSettings();
    QVERIFY(dialog);
    QTRY_COMPARE(QApplication::focusWidget(), dialog->findChild<QWidget*>("btnOK"));
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const auto tabTo = [&press](const char* name) {
      for (int step = 0; step < 20 && QApplication::focusWidget()->objectName() != name; ++step)
        press(Qt::Key_Tab);
      return QApplication::focusWidget()->objectName() == name;
    };
    QVERIFY(tabTo("ListBox1"));
    press(Qt::Key_Down);
    QTest::keyClicks(QApplication::focusWidget(), "1a2b3c");
    QVERIFY(tabTo("btnOK"));
    press(Qt::Key_Return);
    QTRY_VERIFY(shownWindows("TForm2").isEmpty());

    HeldSettings stored;
    DialogSettingsState state;
    QVERIFY(LoadFromRegistry(*store_, stored, state));
    QCOMPARE(stored.Classes[1].Color, "1A2B3C");
    QCOMPARE(stored.Classes[0].Color, ClassicSettings[0].Color);
  }

  void start_shows_the_main_window_maximized_after_the_splash() {
    window_.reset();
    QElapsedTimer clock;
    clock.start();
    ProgramStart start(*context_);
    QCOMPARE(QApplication::applicationName(), QString("Tessaline"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(start.splash().isVisible());
    QVERIFY(!start.mainWindow().isVisible());
    QCOMPARE(start.mainWindow().windowTitle(),
             QString("Korvane Software - Tessaline v1.0  |  Untitled Document"));
    QVERIFY(!start.mainWindow().previewFileName().empty());

    QTest::qWait(1200);
    if (clock.elapsed() < 1500) QVERIFY(!start.mainWindow().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(start.mainWindow().isVisible(), 20000);
    QVERIFY(clock.elapsed() >= 1500);
    QVERIFY(start.mainWindow().windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(start.splash().isHidden());
  }

  void start_with_a_file_opens_it_once_the_main_window_shows() {
    window_.reset();
    QTemporaryDir dir;
    const QString unit = dir.filePath("unit1.pas");
    QFile file(unit);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("begin end.");
    file.close();
    ProgramStart start(*context_, unit);
    const Pane* source = start.mainWindow().findChild<Pane*>("edSource");
    QTest::qWait(1000);
    QVERIFY(source->lines().empty());
    QTRY_VERIFY_WITH_TIMEOUT(start.mainWindow().isVisible(), 20000);
    QTRY_COMPARE(source->lines(), std::vector<std::string>{"begin end."});
    QCOMPARE(dialogs_->open.given, QStringList{unit});
    QCOMPARE(dialogs_->open.shown, 0);
  }
};

QTEST_MAIN(WindowsTogetherTest)
#include "windows_together_test.moc"
