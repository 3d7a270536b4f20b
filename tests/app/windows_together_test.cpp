#include "app/about.h"
#include "app/program_start.h"
#include "app/settings_dialog.h"
#include "app/splash.h"
#include "engine/converter.h"
#include "event_loop_run.h"
#include "gui/pane.h"
#include "settings/get_tags.h"
#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
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
class WindowsTogetherTest : public WindowTest {
  Q_OBJECT

 private:
  /// The settings live in a file, as the program keeps them.
  std::unique_ptr<SettingsStore> makeStore(const TempFolder& folder) const override {
    return std::make_unique<RegFileStore>(folder.file("Tessaline.reg"));
  }
  void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }
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
    window().activateWindow();
    QTest::qWait(50);
    QTRY_COMPARE(QApplication::activeWindow(), holder);
  }
  /// The main window takes with it every settings dialog and About window.
  void cleanupTest() override {
    dropWindow();
    QVERIFY(shownWindows("TForm2").isEmpty());
    QVERIFY(shownWindows("TForm4").isEmpty());
  }

 private slots:
  void f3_opens_one_settings_dialog_and_brings_it_forward() {
    SettingsDialog* dialog = openSettings();
    QVERIFY(dialog);
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->parent() == nullptr);
    // It stands in front of the main window, also while its file dialog is open.
    QCOMPARE(dialog->windowHandle()->transientParent(), window().windowHandle());

    window().activateWindow();
    QTest::keyClick(dialog, Qt::Key_F3);
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QCOMPARE(shownWindows("TForm2"), QList<QWidget*>{dialog});
  }

  void a_closed_settings_dialog_is_not_reused() {
    QPointer<SettingsDialog> first = openSettings();
    QVERIFY(first);
    first->findChild<QPushButton*>("btnCancel")->click();
    QTRY_VERIFY(first.isNull());
    activate(&window());
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
    GetTags(store(), context().tags);
    QVERIFY(!context().tags.Incode);
    const std::vector<std::string> html = Convert({"begin end;", "x := 1;"}, context().tags);
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
    const QString preview = QString::fromStdString(window().previewFileName());
    QVERIFY(QFile::exists(preview));
    QVERIFY(openSettings());
    QVERIFY(openAbout());

    QCOMPARE(runEventLoopStartingWith([this] { window().close(); }), 0);
    QVERIFY(!window().isVisible());
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
    QVERIFY(tabTo("edHexValue"));
    QTest::keyClicks(QApplication::focusWidget(), "1a2b3c");
    QVERIFY(tabTo("btnOK"));
    press(Qt::Key_Return);
    QTRY_VERIFY(shownWindows("TForm2").isEmpty());

    HeldSettings stored;
    DialogSettingsState state;
    QVERIFY(LoadFromRegistry(store(), stored, state));
    QCOMPARE(stored.Classes[1].Color, "1A2B3C");
    QCOMPARE(stored.Classes[0].Color, ClassicSettings[0].Color);
  }

  void start_shows_the_main_window_maximized_after_the_splash() {
    dropWindow();
    QElapsedTimer clock;
    clock.start();
    ProgramStart start(context());
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
    dropWindow();
    const QString unit = file("unit1.pas", "begin end.");
    ProgramStart start(context(), unit);
    const Pane* source = start.mainWindow().findChild<Pane*>("edSource");
    QTest::qWait(1000);
    QVERIFY(source->lines().empty());
    QTRY_VERIFY_WITH_TIMEOUT(start.mainWindow().isVisible(), 20000);
    QTRY_COMPARE(source->lines(), std::vector<std::string>{"begin end."});
    QCOMPARE(dialogs().open.given, QStringList{unit});
    QCOMPARE(dialogs().open.shown, 0);
  }

  void start_with_a_broken_settings_file_names_it_and_still_shows_the_file() {
    dropWindow();
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    WriteToRegistry(store(), held, state);
    {
      OpenedKey key(store(), SettingsKey, true);
      store().writeText("TabSize", "two");
    }
    const QString unit = file("unit1.pas", "begin end.");
    MessageAnswerer messages;
    ProgramStart start(context(), unit);
    QCOMPARE(messages.shown.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(start.mainWindow().isVisible(), 20000);
    const Pane* source = start.mainWindow().findChild<Pane*>("edSource");
    QTRY_COMPARE(source->lines(), std::vector<std::string>{"begin end."});
    QVERIFY(start.mainWindow().findChild<Pane*>("edHTML")->lines().empty());
    // Once at start, once converting the file.
    QCOMPARE(messages.shown.size(), 2);
    const QString path = QString::fromStdString(static_cast<RegFileStore&>(store()).path());
    for (const SeenBox& box : messages.shown) {
      QCOMPARE(box.title, QString("Tessaline"));
      QCOMPARE(box.text,
               "Cannot read settings file '" + path + "': Invalid data type for 'TabSize'");
    }
  }
};

QTEST_MAIN(WindowsTogetherTest)
#include "windows_together_test.moc"
