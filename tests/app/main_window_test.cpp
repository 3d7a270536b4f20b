#include "app/large_source.h"
#include "app/layout.h"
#include "engine/converter.h"
#include "engine/source_lines.h"
#include "event_loop_run.h"
#include "gui/error_box.h"
#include "gui/pane.h"
#include "output/file_name_rules.h"
#include "output/page_writer.h"
#include "settings/get_tags.h"
#include "settings/settings_io.h"
#include "watched_store.h"
#include "window_test.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace {

std::string readBytes(const QString& path) { return ::readBytes(path.toStdString()); }

void writeBytes(const QString& path, const std::string& bytes) {
  ::writeBytes(path.toStdString(), bytes);
}

/// Types text one character at a time, as a keyboard layout that has them would.
void typeCharacters(QWidget* widget, const QString& text) {
  for (const uint character : text.toUcs4())
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown,
                        QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1),
                        Qt::NoModifier);
}

}  // namespace

class MainWindowTest : public WindowTest {
  Q_OBJECT

 private:
  WatchedStore& watchedStore() const { return storeAs<WatchedStore>(); }
  std::string paneBytes(const char* name) const { return pane(name)->bytes(); }
  long caret(const char* name) const {
    return pane(name)->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
  }

  void openFile(const QString& name) { open(path(name)); }
  void saveAs(const QString& name, int filter) {
    dialogs().save.answers.push_back(DialogAnswer{path(name), filter});
    press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
  }
  std::vector<std::string> converted(const std::vector<std::string>& lines) {
    GetTags(store(), context().tags);
    return Convert(lines, context().tags);
  }
  /// The page of a source file's bytes, as the command-line converter writes it.
  std::string expectedPage(const std::string& title, const std::string& source) {
    return pageText(htmlTitle(title), context().tags, converted(splitSourceLines(source)));
  }
  void useStyleSheet(const std::string& sheet) {
    HeldSettings held;
    held.StyleSheet = sheet;
    held.DefaultColor = "000000";
    DialogSettingsState state;
    state.Mode = FormattingMode::StyleSheets;
    WriteToRegistry(store(), held, state);
  }
  void breakStore() {
    SettingsWriteBatch batch(store());
    {
      OpenedKey key(store(), SettingsKey, true);
      store().writeText("TabSize", "two");
    }
    batch.commit();
  }
  static QString caption(const QString& tail) {
    return QStringLiteral("Korvane Software - Tessaline v1.0  |  ") + tail;
  }

 private slots:
  void window_has_its_controls_menus_and_untitled_caption() {
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
    QCOMPARE(window().findChild<QGroupBox*>("GroupBox1")->title(), QString(" Delphi Source "));
    QCOMPARE(window().findChild<QGroupBox*>("GroupBox2")->title(), QString(" HTML "));
    QVERIFY(window().findChild<QWidget*>("Panel1"));
    QVERIFY(!pane("edSource")->isReadOnly());
    QVERIFY(pane("edHTML")->isReadOnly());
    QVERIFY(window().outputFileName().empty());

    const struct {
      const char* name;
      const char* menu;
      const char* caption;
      QKeySequence shortcut;
    } items[] = {
        {"Open1", "&File", "&Open...", QKeySequence("Ctrl+O")},
        {"Save1", "&File", "&Save Output", QKeySequence("Ctrl+S")},
        {"SaveAs1", "&File", "Save Output &As...", QKeySequence("Ctrl+Alt+S")},
        {"Exit1", "&File", "&Exit", QKeySequence()},
        {"Settings1", "&Options", "&Settings...", QKeySequence("F3")},
        {"PreviewInBrowser1", "&Output", "&Preview in Browser", QKeySequence("F10")},
        {"CopyoutputtoClipboard1", "&Output", "&Copy Output to Clipboard",
         QKeySequence("Ctrl+Alt+C")},
        {"Refresh1", "&Output", "&Convert / Refresh", QKeySequence("F5")},
        {"Contents1", "&Help", "&Online Help", QKeySequence("F1")},
        {"About1", "&Help", "&About", QKeySequence()},
    };
    for (const auto& item : items) {
      auto* action = window().findChild<QAction*>(item.name);
      QVERIFY2(action, item.name);
      QCOMPARE(action->text(), QString(item.caption));
      QCOMPARE(action->shortcut(), item.shortcut);
      QCOMPARE(action->shortcutContext(), Qt::ApplicationShortcut);
      auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
      QVERIFY(menu);
      QCOMPARE(menu->title(), QString(item.menu));
    }
  }

  void window_and_panes_have_their_fonts_and_scroll_bars() {
    const auto checkFont = [](const QFont& font, const QString& family, int points,
                              const QString& standIn) {
      QCOMPARE(font.family(), family);
      QCOMPARE(font.pointSize(), points);
      const QString shown = QFontInfo(font).family();
      QVERIFY2(shown == family || shown == standIn, qPrintable(shown));
    };
    checkFont(window().font(), "MS Sans Serif", 8, "Liberation Sans");
    for (const QAction* item : window().menuBar()->actions())
      checkFont(item->menu()->font(), "MS Sans Serif", 8, "Liberation Sans");
    writeBytes(path("short.pas"), "x");
    openFile("short.pas");
    for (const char* name : {"edSource", "edHTML"}) {
      checkFont(pane(name)->font(), "Courier New", 10, "Liberation Mono");
      // Both bars stand even when the text fits.
      QVERIFY(pane(name)->verticalScrollBar()->isVisible());
      QVERIFY(pane(name)->horizontalScrollBar()->isVisible());
    }
  }

  void open_fills_both_panes_with_carets_at_the_start() {
    const std::string longLine(300, 'x');
    const std::vector<std::string> earlier(200, longLine);
    for (const char* name : {"edSource", "edHTML"}) {
      pane(name)->setLines(earlier, CodePage::Utf8);
      pane(name)->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 150 * 301 + 250);
      QVERIFY(pane(name)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE) > 0);
      QVERIFY(pane(name)->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET) > 0);
    }
    writeBytes(path("unit1.pas"), "unit Unit1;\r\n{ note }\r\nbegin x := 'a' end.\r\n" +
                                      std::string(100, '\n') + longLine);
    watchedStore().cursorsWhileRead.clear();
    openFile("unit1.pas");
    QCOMPARE(dialogs().open.shown, 1);
    const FileDialogOptions& options = dialogs().open.made.value(0);
    QCOMPARE(options.filters.size(), 3);
    QCOMPARE(options.filters[0].description,
             QString("All Delphi Files (*.pas, *.dpr, *.dfm, *.dpk, *.pp, *.inc, *.lpr, *.lpk)"));
    QCOMPARE(options.filters[0].patterns,
             QStringList({"*.pas", "*.dpr", "*.dfm", "*.dpk", "*.pp", "*.inc", "*.lpr", "*.lpk"}));
    QCOMPARE(options.filters[1].description, QString("Text Files (*.txt)"));
    QCOMPARE(options.filters[1].patterns, QStringList({"*.txt"}));
    QCOMPARE(options.filters[2].description, QString("All Files (*.*)"));
    QCOMPARE(options.filters[2].patterns, QStringList({"*.*"}));
    QCOMPARE(options.initialFilter, 1);

    // The conversion read the settings under the busy cursor, which is gone now.
    QVERIFY(!watchedStore().cursorsWhileRead.isEmpty());
    for (const Qt::CursorShape shape : watchedStore().cursorsWhileRead)
      QCOMPARE(shape, Qt::WaitCursor);
    QVERIFY(!QApplication::overrideCursor());

    std::vector<std::string> lines = {"unit Unit1;", "{ note }", "begin x := 'a' end."};
    lines.resize(103);
    lines.push_back(longLine);
    QCOMPARE(pane("edSource")->lines(), lines);
    QCOMPARE(pane("edHTML")->lines(), converted(lines));
    for (const char* name : {"edSource", "edHTML"}) {
      QCOMPARE(caret(name), 0L);
      QCOMPARE(pane(name)->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), 0L);
      QCOMPARE(pane(name)->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET), 0L);
    }
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
  }

  void open_cancelled_changes_nothing() {
    writeBytes(path("a.pas"), "begin end.");
    openFile("a.pas");
    dialogs().open.answers.push_back(std::nullopt);
    press(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogs().open.shown, 2);
    QCOMPARE(paneBytes("edSource"), std::string("begin end.\n"));
  }

  void open_and_save_keep_every_byte_of_the_source_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("windows-1252") << QByteArray("x := '\xA0\xE9';\r\n// caf\xE9\r\n") << false;
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFunit \xC3\xA9t\xC3\xA9;\n") << true;
    QTest::newRow("nul bytes") << QByteArray("a\0b := 1;\n\0\n", 13) << true;
    QTest::newRow("1 MB line") << (QByteArray(1 << 20, 'x') + "\nbegin") << true;
    QTest::newRow("empty last line") << QByteArray("end.\n\n") << true;
    QTest::newRow("only a line break") << QByteArray("\n") << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << true;
    QTest::newRow("ctrl-z") << QByteArray(
                                   "a\x1A rest\nb\n\x1A"
                                   "c\n")
                            << true;
  }
  void open_and_save_keep_every_byte_of_the_source() {
    QFETCH(QByteArray, source);
    QFETCH(bool, utf8);
    const std::string bytes = source.toStdString();
    writeBytes(path("in.pas"), bytes);
    openFile("in.pas");
    QCOMPARE(pane("edSource")->codePage(), utf8 ? CodePage::Utf8 : CodePage::Windows1252);
    QCOMPARE(pane("edSource")->lines(), splitSourceLines(bytes));
    saveAs("out", 2);
    QCOMPARE(readBytes(path("out.html")), expectedPage("out", bytes));
  }

  void failed_open_keeps_both_panes() {
    writeBytes(path("good.pas"), "begin end.");
    openFile("good.pas");
    saveAs("named", 2);
    const std::string source = paneBytes("edSource");
    const std::string html = paneBytes("edHTML");

    const SeenBox seen = answered(QMessageBox::Ok, [&] { openFile("missing.pas"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Tessaline"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.text,
             "Cannot read file '" + path("missing.pas") + "': No such file or directory.");
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(paneBytes("edSource"), source);
    QCOMPARE(paneBytes("edHTML"), html);
    QVERIFY(window().outputFileName().empty());
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
  }

  void hostile_sources_are_refused_unread_and_leave_the_panes() {
    writeBytes(path("good.pas"), "begin end.");
    openFile("good.pas");
    const std::string source = paneBytes("edSource");
    const std::string html = paneBytes("edHTML");
    QCOMPARE(::mkfifo(path("pipe.pas").toLocal8Bit().constData(), 0600), 0);
    QVERIFY(QDir().mkdir(path("folder.pas")));
    QVERIFY(QFile::link(path("loop-b.pas"), path("loop-a.pas")));
    QVERIFY(QFile::link(path("loop-a.pas"), path("loop-b.pas")));
    struct HostileSource {
      QString file;
      const char* reason;
      bool fromCommandLine;
    };
    const HostileSource sources[] = {
        {path("pipe.pas"), "Not a regular file", false},
        {path("pipe.pas"), "Not a regular file", true},
        {QStringLiteral("/dev/zero"), "Not a regular file", false},
        {path("folder.pas"), "Is a directory", false},
        {path("loop-a.pas"), "Too many levels of symbolic links", true},
        {path("missing.pas"), "No such file or directory", false},
    };
    for (const HostileSource& hostile : sources) {
      const SeenBox seen = answered(QMessageBox::Ok, [&] {
        if (hostile.fromCommandLine) {
          window().openFile(hostile.file);
        } else {
          dialogs().open.answers.push_back(DialogAnswer{hostile.file, 1});
          press(Qt::Key_O, Qt::ControlModifier);
        }
      });
      QCOMPARE(seen.icon, QMessageBox::Critical);
      QCOMPARE(seen.text, "Cannot read file '" + hostile.file + "': " + hostile.reason + ".");
      QCOMPARE(paneBytes("edSource"), source);
      QCOMPARE(paneBytes("edHTML"), html);
      QVERIFY(!QApplication::overrideCursor());
    }
  }

  void save_onto_a_fifo_is_refused_without_waiting_for_a_reader() {
    QCOMPARE(::mkfifo(path("pipe.html").toLocal8Bit().constData(), 0600), 0);
    const SeenBox seen = answered(QMessageBox::Ok, [&] { saveAs("pipe.html", 1); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, "Cannot write file '" + path("pipe.html") + "': Not a regular file.");
  }

  void large_source_opens_only_when_the_user_says_so() {
    writeBytes(path("good.pas"), "begin end.");
    openFile("good.pas");
    saveAs("named", 2);
    const std::string source = paneBytes("edSource");
    context().largeSourceSize = 100;
    const std::string large(150, 'x');
    writeBytes(path("large.pas"), large);

    const SeenBox no = answered(QMessageBox::No, [&] { openFile("large.pas"); });
    QVERIFY(no.shown);
    QCOMPARE(no.icon, QMessageBox::Question);
    QCOMPARE(no.defaultButton, QMessageBox::No);
    QCOMPARE(no.text, largeSourceQuestion(path("large.pas").toStdString(), 150));
    QVERIFY(no.text.contains(path("large.pas")) && no.text.contains("150 bytes"));
    QCOMPARE(paneBytes("edSource"), source);
    QCOMPARE(window().outputFileName(), path("named.html").toStdString());
    QCOMPARE(window().windowTitle(), caption(path("named.html")));

    const SeenBox yes = answered(QMessageBox::Yes, [&] { openFile("large.pas"); });
    QVERIFY(yes.shown);
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{large});
    QVERIFY(window().outputFileName().empty());
    // At the size itself, nothing is asked.
    writeBytes(path("edge.pas"), std::string(100, 'y'));
    openFile("edge.pas");
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{std::string(100, 'y')});
  }

  void source_too_large_for_the_memory_is_named() {
    const QString big = path("big.pas");
    writeBytes(big, "unit Big;");
    std::filesystem::resize_file(big.toStdString(), 1ull << 30);
    // In a child whose address space has no room for the file, so that the
    // test process itself keeps its memory.
    int channel[2];
    QCOMPARE(::pipe(channel), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      std::ifstream statm("/proc/self/statm");
      unsigned long long pages = 0;
      statm >> pages;
      const rlimit limit{pages * ::sysconf(_SC_PAGESIZE) + (256ull << 20), RLIM_INFINITY};
      ::setrlimit(RLIMIT_AS, &limit);
      std::string message = "no error";
      try {
        window().loadSourceFile(big.toStdString());
      } catch (const std::exception& error) {
        message = error.what();
      }
      (void)!::write(channel[1], message.data(), message.size());
      ::_exit(0);
    }
    ::close(channel[1]);
    std::string message;
    char bytes[512];
    for (ssize_t got; (got = ::read(channel[0], bytes, sizeof bytes)) > 0;)
      message.append(bytes, got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    QCOMPARE(message, "Cannot read file '" + big.toStdString() +
                          "': File too large for the memory available");
  }

  void failed_conversion_keeps_both_panes() {
    writeBytes(path("good.pas"), "begin end.");
    openFile("good.pas");
    const std::string html = paneBytes("edHTML");
    breakStore();
    writeBytes(path("other.pas"), "other");
    const SeenBox seen = answered(QMessageBox::Ok, [&] { openFile("other.pas"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Tessaline"));
    QCOMPARE(paneBytes("edSource"), std::string("begin end.\n"));
    QCOMPARE(paneBytes("edHTML"), html);

    const SeenBox again = answered(QMessageBox::Ok, [&] { press(Qt::Key_F5); });
    QVERIFY(again.shown);
    QCOMPARE(paneBytes("edHTML"), html);
  }

  void refresh_converts_what_was_typed() {
    pane("edSource")->setFocus();
    QTest::keyClicks(pane("edSource"), "begin");
    QTest::keyClick(pane("edSource"), Qt::Key_Tab);
    QTest::keyClicks(pane("edSource"), "{x} end");
    const long sourceCaret = caret("edSource");
    press(Qt::Key_F5);
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{"begin\t{x} end"});
    QCOMPARE(pane("edHTML")->lines(), converted({"begin\t{x} end"}));
    QCOMPARE(caret("edSource"), sourceCaret);
    QCOMPARE(caret("edHTML"), 0L);
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
    QCOMPARE(QApplication::focusWidget(), pane("edSource"));

    pane("edHTML")->setFocus();
    QTest::keyClick(pane("edHTML"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), pane("edHTML"));
    QCOMPARE(pane("edHTML")->lines(), converted({"begin\t{x} end"}));
  }

  void empty_source_converts_to_nothing() {
    press(Qt::Key_F5);
    QVERIFY(pane("edHTML")->lines().empty());
    writeBytes(path("empty.pas"), "");
    openFile("empty.pas");
    QVERIFY(pane("edSource")->lines().empty());
    QVERIFY(pane("edHTML")->lines().empty());
  }

  void convert_for_the_settings_dialog_keeps_the_html_caret() {
    writeBytes(path("a.pas"), "begin end;\nbegin end.");
    openFile("a.pas");
    pane("edHTML")->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 5);
    useStyleSheet("site.css");
    window().convertSourceKeepingCaret();
    QCOMPARE(caret("edHTML"), 5L);
    QCOMPARE(pane("edHTML")->lines(), converted({"begin end;", "begin end."}));
    QVERIFY(paneBytes("edHTML").find("<span") != std::string::npos);
  }

  void save_names_the_page_by_filter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("html added") << "unit1" << 2 << "unit1.html";
    QTest::newRow("htm kept") << "page.htm" << 2 << "page.htm";
    QTest::newRow("all files") << "page" << 1 << "page";
    QTest::newRow("htm added") << "page" << 3 << "page.htm";
    QTest::newRow("shtml added") << "page" << 4 << "page.shtml";
    QTest::newRow("case counts") << "PAGE.HTML" << 2 << "PAGE.HTML.html";
    QTest::newRow("markup in name") << "a<b>&c" << 2 << "a<b>&c.html";
  }
  void save_names_the_page_by_filter() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    writeBytes(path("s.pas"), "begin end.");
    openFile("s.pas");
    dialogs().save.answers.push_back(DialogAnswer{path(typed), filter});
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window().outputFileName(), path(written).toStdString());
    QCOMPARE(window().windowTitle(), caption(path(written)));
    QCOMPARE(readBytes(path(written)), expectedPage(typed.toStdString(), "begin end."));
  }

  void save_asks_only_while_no_name_is_held() {
    const FileDialogOptions options = dialogs().save.made.value(0);
    QCOMPARE(options.filters.size(), 4);
    QCOMPARE(options.filters[0].description, QString("All Files (*.*)"));
    QCOMPARE(options.filters[1].description, QString("HTML File (*.html)"));
    QCOMPARE(options.filters[2].description, QString("HTM File (*.htm)"));
    QCOMPARE(options.filters[3].description, QString("SSI File (*.shtml)"));
    QCOMPARE(options.initialFilter, 2);

    dialogs().save.answers.push_back(std::nullopt);
    press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(window().outputFileName().empty());
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));

    writeBytes(path("a.pas"), "begin end.");
    openFile("a.pas");
    dialogs().save.answers.push_back(DialogAnswer{path("first"), 2});
    press(Qt::Key_S, Qt::ControlModifier);
    writeBytes(path("first.html"), "old");
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs().save.shown, 2);
    QCOMPARE(readBytes(path("first.html")), expectedPage("first", "begin end."));

    saveAs("second", 3);
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs().save.shown, 3);
    QCOMPARE(window().windowTitle(), caption(path("second.htm")));

    dialogs().save.answers.push_back(std::nullopt);
    press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(window().outputFileName(), path("second.htm").toStdString());

    openFile("a.pas");
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
    dialogs().save.answers.push_back(DialogAnswer{path("third"), 2});
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs().save.shown, 5);
    QCOMPARE(window().windowTitle(), caption(path("third.html")));
  }

  void added_extension_asks_before_replacing() {
    writeBytes(path("unit1.html"), "old");
    const SeenBox no = answered(QMessageBox::No, [&] { saveAs("unit1", 2); });
    QVERIFY(no.shown);
    QCOMPARE(no.title, QString("Tessaline"));
    QCOMPARE(no.text, QString("unit1.html already exists.\nDo you want to replace it?"));
    QCOMPARE(no.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(no.defaultButton, QMessageBox::No);
    QCOMPARE(no.format, Qt::PlainText);
    QCOMPARE(readBytes(path("unit1.html")), std::string("old"));
    QVERIFY(window().outputFileName().empty());
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));

    const SeenBox yes = answered(QMessageBox::Yes, [&] { saveAs("unit1", 2); });
    QVERIFY(yes.shown);
    QCOMPARE(readBytes(path("unit1.html")), expectedPage("unit1", ""));
    QCOMPARE(window().windowTitle(), caption(path("unit1.html")));
  }

  void failed_save_keeps_the_name_but_not_the_caption() {
    saveAs("good", 2);
    const SeenBox seen = answered(QMessageBox::Ok, [&] { saveAs("no-such-folder/page", 2); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Tessaline"));
    QVERIFY(seen.text.contains(path("no-such-folder/page.html")));
    QCOMPARE(window().outputFileName(), path("no-such-folder/page.html").toStdString());
    QCOMPARE(window().windowTitle(), caption(path("good.html")));
  }

  void preview_in_code_mode_opens_the_page_without_a_warning() {
    writeBytes(path("a.pas"), "begin end.");
    openFile("a.pas");
    press(Qt::Key_F10);
    const QString preview = QString::fromStdString(window().previewFileName());
    QVERIFY(preview.endsWith("/TessalinePrev.html"));
    QCOMPARE(opened(), QStringList{QUrl::fromLocalFile(preview).toString()});
    QCOMPARE(readBytes(preview), pageText(PreviewTitle, context().tags, converted({"begin end."})));
    QVERIFY(readBytes(preview).find("<link") == std::string::npos);
  }

  void preview_in_style_sheet_mode_data() {
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<bool>("warned");
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("one space") << QByteArray(" ") << true;
    QTest::newRow("two spaces") << QByteArray("  ") << false;
    QTest::newRow("chosen") << QByteArray("site.css") << false;
  }
  void preview_in_style_sheet_mode() {
    QFETCH(QByteArray, sheet);
    QFETCH(bool, warned);
    useStyleSheet(sheet.toStdString());
    press(Qt::Key_F5);
    SeenBox seen;
    if (warned)
      seen = answered(QMessageBox::Ok, [&] { press(Qt::Key_F10); });
    else
      press(Qt::Key_F10);
    QCOMPARE(seen.shown, warned);
    if (warned) {
      QCOMPARE(seen.title, QString("Warning"));
      QCOMPARE(seen.icon, QMessageBox::Warning);
      QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(seen.format, Qt::PlainText);
      QCOMPARE(seen.text, QString("You have not selected a style-sheet for this document.\n\r\n\r"
                                  "The styles chosen will not be displayed correctly until you\n\r"
                                  "select a style-sheet from the Settings page (F3)."));
    }
    QCOMPARE(opened().size(), 1);
    const std::string page = readBytes(QString::fromStdString(window().previewFileName()));
    QVERIFY(page.find("<link rel=\"stylesheet\" href=\"" + sheet.toStdString() + "\"") !=
            std::string::npos);
  }

  void preview_into_a_private_folder_others_may_use_is_refused() {
    // A program folder others may write sends the preview to the runtime folder.
    const QString programFolder = QApplication::applicationDirPath();
    const QFile::Permissions before = QFile::permissions(programFolder);
    QVERIFY(QFile::setPermissions(programFolder, before | QFile::WriteGroup));
    remakeWindow();
    QVERIFY(QFile::setPermissions(programFolder, before));
    const QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + "/tessaline";
    QCOMPARE(QString::fromStdString(window().previewFileName()), folder + "/TessalinePrev.html");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));

    const SeenBox seen = answered(QMessageBox::Ok, [&] { press(Qt::Key_F10); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, "Cannot write file '" + folder + "/TessalinePrev.html': its folder '" +
                            folder +
                            "' must be a real folder of this user that no one else may use.");
    QVERIFY(opened().isEmpty());
    QVERIFY(!QFile::exists(folder + "/TessalinePrev.html"));
    QVERIFY(QDir(folder).removeRecursively());
  }

  void preview_works_after_settings_unreadable_at_start() {
    dropWindow();
    breakStore();
    const SeenBox atStart = answered(QMessageBox::Ok, [&] { remakeWindow(); });
    QVERIFY(atStart.shown);
    QCOMPARE(atStart.title, QString("Tessaline"));
    QVERIFY(window().previewFileName().ends_with("/TessalinePrev.html"));

    // The store is readable again: a conversion rebuilds the tags, and the
    // preview goes where it would have gone.
    useStyleSheet("site.css");
    press(Qt::Key_F5);
    const SeenBox atPreview = answered(QMessageBox::Ok, [&] { press(Qt::Key_F10); });
    QVERIFY(!atPreview.shown);
    const QString preview = QString::fromStdString(window().previewFileName());
    QCOMPARE(opened(), QStringList{QUrl::fromLocalFile(preview).toString()});
    QCOMPARE(readBytes(preview), pageText(PreviewTitle, context().tags, {}));
  }

  void copy_puts_the_lines_on_the_clipboard() {
    writeBytes(path("a.pas"), "begin\n  x := 'caf\xE9';\nend.\n\n");
    openFile("a.pas");
    pane("edHTML")->SendScintilla(QsciScintillaBase::SCI_SETSEL, 3, 9);
    press(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    std::string expected;
    for (const std::string& line : converted({"begin", "  x := 'caf\xE9';", "end.", ""}))
      expected += line + "\n";
    expected.pop_back();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(expected.c_str()));
    QVERIFY(!pane("edHTML")->hasSelectedText());
    QCOMPARE(caret("edHTML"), 0L);

    window().findChild<QAction*>("Refresh1")->trigger();
    writeBytes(path("empty.pas"), "");
    openFile("empty.pas");
    press(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString());
  }

  void windows_1252_unit_shows_and_copies_as_windows_1252() {
    // 0x80 is the euro sign, 0x93 and 0x94 the curly quotes; 0x81 is unassigned.
    writeBytes(path("ansi.pas"), "s := '\x80 \x93q\x94 \x81';\r\n// caf\xE9\r\n");
    openFile("ansi.pas");
    const QString shown = QString::fromUtf8("s := '\u20AC \u201Cq\u201D \u0081';\n// caf\u00E9\n");
    QCOMPARE(pane("edSource")->text(), shown);
    QCOMPARE(pane("edHTML")->codePage(), CodePage::Windows1252);

    press(Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    // The conversion passes the bytes through, so the UTF-8 spelling of the
    // same unit converts to the expected characters.
    std::string expected;
    for (const std::string& line :
         converted({"s := '\u20AC \u201Cq\u201D \u0081';", "// caf\u00E9"}))
      expected += line + "\n";
    expected.pop_back();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(expected));
  }

  void typed_and_pasted_text_enters_a_windows_1252_pane_as_its_bytes() {
    writeBytes(path("ansi.pas"), "caf\xE9");
    openFile("ansi.pas");
    Pane* source = pane("edSource");
    source->setFocus();
    source->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    source->SendScintilla(QsciScintillaBase::SCI_DELETEBACK);  // the line break
    // Omega and the emoji are not in Windows-1252.
    typeCharacters(source, QString::fromUtf8(" \u20AC\u03A9\U0001F600"));
    QApplication::clipboard()->setText(QString::fromUtf8("\u201C\u4E2D\u201D"));
    QTest::keyClick(source, Qt::Key_V, Qt::ControlModifier);
    const std::string typed = "caf\xE9 \x80??\x93?\x94";
    QCOMPARE(source->lines(), std::vector<std::string>{typed});
    QCOMPARE(source->text(), QString::fromUtf8("caf\u00E9 \u20AC??\u201C?\u201D"));

    press(Qt::Key_F5);
    saveAs("typed", 2);
    QCOMPARE(readBytes(path("typed.html")), expectedPage("typed", typed));
  }

  void ctrl_tab_moves_the_focus_between_the_panes() {
    pane("edSource")->setFocus();
    const struct {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      const char* focused;
    } steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, "edHTML"},
        {Qt::Key_Tab, Qt::ControlModifier, "edSource"},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "edHTML"},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "edSource"},
        {Qt::Key_Tab, Qt::NoModifier, "edSource"},
    };
    for (const auto& step : steps) {
      QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
      QCOMPARE(QApplication::focusWidget(), pane(step.focused));
    }
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{"\t"});
    QVERIFY(pane("edHTML")->lines().empty());
  }

  void file_from_the_command_line_opens_as_file_open_would() {
    writeBytes(path("first.pas"), "first");
    openFile("first.pas");
    saveAs("named", 2);
    writeBytes(path("unit1.pas"), "begin end.");
    const QString relative = QDir::current().relativeFilePath(path("unit1.pas"));
    window().openFile(relative);
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{"begin end."});
    QCOMPARE(pane("edHTML")->lines(), converted({"begin end."}));
    QVERIFY(window().outputFileName().empty());
    QCOMPARE(window().windowTitle(), caption("Untitled Document"));
    QCOMPARE(dialogs().open.given, QStringList{path("unit1.pas")});
  }

  void unreadable_file_from_the_command_line_shows_the_error_box() {
    const SeenBox seen = answered(QMessageBox::Ok, [&] { window().openFile(path("missing.pas")); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Tessaline"));
    QCOMPARE(seen.text,
             "Cannot read file '" + path("missing.pas") + "': No such file or directory.");
    QVERIFY(pane("edSource")->lines().empty());
    QVERIFY(pane("edHTML")->lines().empty());
  }

  void error_box_ends_the_text_with_a_full_stop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "File access denied"
                            << "File access denied.";
    QTest::newRow("digit") << "error 5"
                           << "error 5.";
    QTest::newRow("slash, just after the stop") << "/a/b/"
                                                << "/a/b/.";
    QTest::newRow("non-ASCII") << "caf\u00E9"
                               << "caf\u00E9.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("hyphen, just before the stop") << "a -"
                                                  << "a -";
    QTest::newRow("quote") << "file 'x'"
                           << "file 'x'";
    QTest::newRow("parenthesis") << "(none)"
                                 << "(none)";
    QTest::newRow("space") << "ends in space "
                           << "ends in space ";
    QTest::newRow("empty") << ""
                           << "";
  }
  void error_box_ends_the_text_with_a_full_stop() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
  }

  void online_help_opens_the_installed_page_else_the_web_data() {
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("address");
    QTest::newRow("installed") << "/usr/share/tessaline/help.html"
                               << "file:///usr/share/tessaline/help.html";
    QTest::newRow("a name to escape") << "/opt/t l/help #1.html"
                                      << "file:///opt/t l/help %231.html";
    QTest::newRow("none found") << ""
                                << "www.korvane.example/help/tessaline";
  }
  void online_help_opens_the_installed_page_else_the_web() {
    QFETCH(QString, installed);
    QFETCH(QString, address);
    context().helpPage = installed;
    press(Qt::Key_F1);
    QCOMPARE(opened(), QStringList{address});
  }

  void first_save_proposes_the_source_beside_it_data() {
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QStringList>("proposed");
    const QString unit = "unit1.pas";
    QTest::newRow("nothing opened") << QStringList() << QStringList();
    QTest::newRow("one unit") << QStringList{unit} << QStringList{unit + ".html"};
    QTest::newRow("a unit, then one that cannot be read")
        << QStringList{unit, "missing.pas"} << QStringList{unit + ".html"};
    QTest::newRow("two units") << QStringList{unit, "b.lpr"}
                               << QStringList{unit + ".html", "b.lpr.html"};
    QTest::newRow("a name that ends in .html already")
        << QStringList{"page.html"} << QStringList{"page.html.html"};
  }
  void first_save_proposes_the_source_beside_it() {
    QFETCH(QStringList, sources);
    QFETCH(QStringList, proposed);
    MessageAnswerer messages;
    for (const QString& name : sources) {
      if (name != "missing.pas") file(name, "begin end.");
      openFile(name);
      activate(&window());
    }
    QStringList expected;
    for (const QString& name : proposed) expected << path(name);
    QCOMPARE(dialogs().save.proposed, expected);
    // The extension rule still holds for what the dialog confirms.
    dialogs().save.answers.push_back(DialogAnswer{path("typed"), 2});
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window().outputFileName(), path("typed.html").toStdString());
  }

  void file_from_the_command_line_shows_even_when_the_settings_are_broken() {
    breakStore();
    const SeenBox seen =
        answered(QMessageBox::Ok, [&] { window().openFromCommandLine(file("unit1.pas", "x")); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QString("Failed to get data for 'Incode'"));
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{"x"});
    QVERIFY(pane("edHTML")->lines().empty());
    QCOMPARE(dialogs().save.proposed, QStringList{path("unit1.pas.html")});

    // A file opened as File > Open would keeps both panes.
    const SeenBox again = answered(QMessageBox::Ok, [&] { window().openFile(file("b.pas", "b")); });
    QVERIFY(again.shown);
    QCOMPARE(pane("edSource")->lines(), std::vector<std::string>{"x"});
  }

  void layout_follows_the_window_size() {
    window().showNormal();
    for (const QSize size : {QSize(1015 + 2, 600), QSize(400, 300), QSize(900, 700)}) {
      window().resize(size);
      const QWidget* panel = window().findChild<QWidget*>("Panel1");
      QTRY_COMPARE(panel->width(), window().width());
      const FormLayout expected = computeFormLayout(panel->width(), panel->height());
      const QRect box = window().findChild<QGroupBox*>("GroupBox2")->geometry();
      QCOMPARE(box, QRect(expected.htmlBox.left, expected.htmlBox.top, expected.htmlBox.width,
                          expected.htmlBox.height));
      const QRect source = pane("edSource")->geometry();
      QCOMPARE(source, QRect(20, 30, expected.source.width, expected.source.height));
    }
  }

  void shortcuts_work_while_another_window_is_active() {
    writeBytes(path("a.pas"), "begin end.");
    openFile("a.pas");
    QWidget other;
    other.setWindowTitle("other");
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    pane("edSource")->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, 4UL, "end;");
    QTest::keyClick(&other, Qt::Key_F5);
    QCOMPARE(pane("edHTML")->lines(), converted({"begin end.", "end;"}));
    QTest::keyClick(&other, Qt::Key_F1);
    QCOMPARE(opened().size(), 1);
  }

  void closing_deletes_the_preview_and_ends_the_program() {
    press(Qt::Key_F10);
    const QString preview = QString::fromStdString(window().previewFileName());
    QVERIFY(QFile::exists(preview));
    QWidget other;
    other.show();
    QCOMPARE(runEventLoopStartingWith([this] { window().findChild<QAction*>("Exit1")->trigger(); }),
             0);
    QVERIFY(!window().isVisible());
    QVERIFY(!QFile::exists(preview));
  }

  void closing_leaves_a_preview_that_another_copy_wrote_since() {
    press(Qt::Key_F10);
    const QString preview = QString::fromStdString(window().previewFileName());
    QVERIFY(QFile::exists(preview));
    // Another copy previews too: its page takes this one's place.
    writeBytes(preview + ".other", "another copy's preview");
    QVERIFY(std::rename((preview + ".other").toLocal8Bit().constData(),
                        preview.toLocal8Bit().constData()) == 0);
    window().close();
    QCOMPARE(readBytes(preview), std::string("another copy's preview"));
    QFile::remove(preview);
  }

  void closing_without_a_preview_raises_nothing_and_leaves_anothers_preview() {
    const QString preview = QString::fromStdString(window().previewFileName());
    writeBytes(preview, "another copy's preview");
    window().close();
    QVERIFY(!window().isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(readBytes(preview), std::string("another copy's preview"));
    QFile::remove(preview);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
