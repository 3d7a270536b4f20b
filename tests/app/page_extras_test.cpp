// The style sheets the window writes for its pages (Save Style Sheet, the
// sheet a saved page or the preview links) and the numbered lines of saved
// pages and the preview.

#include "engine/converter.h"
#include "gui/pane.h"
#include "output/file_name_rules.h"
#include "output/page_writer.h"
#include "settings/get_tags.h"
#include "settings/settings_io.h"
#include "settings/style_sheet_text.h"
#include "settings/view_options.h"
#include "window_test.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <sys/stat.h>
#include <filesystem>

namespace fs = std::filesystem;

class PageExtrasTest : public WindowTest {
  Q_OBJECT

 private:
  /// Settings as the dialog would store them in style-sheet mode: the classic
  /// looks, the class names given (Comment, Number, Reserved, Strings) and
  /// sheet as the page's link.
  void storeStyleSheetMode(const std::string& sheet,
                           const std::array<std::string, 4>& names = {"c", "n", "kw", "s"}) {
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    for (std::size_t i = 0; i < names.size(); ++i) held.Classes[i].StyleClass = names[i];
    held.StyleSheet = sheet;
    state.Mode = FormattingMode::StyleSheets;
    WriteToRegistry(store(), held, state);
  }
  /// Save Output As with the dialog answering name.
  void saveAs(const QString& name) {
    dialogs().save.answers.push_back(DialogAnswer{name, 1});
    press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
  }
  void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }
  /// The page Save Output writes of the source pane's lines now.
  std::string expectedPage(const QString& title, bool numbered) {
    TagSet tags;
    GetTags(store(), tags);
    return pageText(htmlTitle(title.toStdString()), tags, Convert(pane("edSource")->lines(), tags),
                    numbered);
  }
  std::string read(const QString& name) const { return readBytes(path(name).toStdString()); }

 private slots:
  void menus_hold_the_new_items() {
    const struct {
      const char* name;
      const char* menu;
      const char* caption;
      const char* after;
    } items[] = {
        {"SaveStyleSheet1", "&File", "Save St&yle Sheet...", "SaveAs1"},
        {"LineNumbers1", "&Options", "&Line Numbers", "HighlightSource1"},
    };
    for (const auto& item : items) {
      auto* action = window().findChild<QAction*>(item.name);
      QVERIFY2(action, item.name);
      QCOMPARE(action->text(), QString(item.caption));
      auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
      QCOMPARE(menu->title(), QString(item.menu));
      const QList<QAction*> actions = menu->actions();
      const qsizetype at = actions.indexOf(action);
      QVERIFY(at > 0);
      // A separator may stand between a check item and the commands.
      QCOMPARE(actions[at - 1]->isSeparator() ? actions[at - 2]->objectName()
                                              : actions[at - 1]->objectName(),
               QString(item.after));
    }
    QVERIFY(window().findChild<QAction*>("LineNumbers1")->isCheckable());
    QVERIFY(!window().findChild<QAction*>("LineNumbers1")->isChecked());
  }

  void save_style_sheet_writes_the_stored_sheet_beside_the_last_page() {
    storeStyleSheetMode("css/pascal.css", {"c", "n", "kw", "a b"});
    saveAs(path("unit1.html"));
    QCOMPARE(dialogs().save.answers.size(), 0u);
    dialogs().save.answers.push_back(DialogAnswer{path("chosen.css"), 1});
    trigger("SaveStyleSheet1");
    QCOMPARE(dialogs().save.given.constLast(), path("css/pascal.css"));
    QCOMPARE(dialogs().save.made.constLast().objectName, QString("StyleSheetDialog"));
    QCOMPARE(read("chosen.css"), storedStyleSheet(store()));
    QVERIFY(read("chosen.css").find(".a.b {\r\n") != std::string::npos);
    // Cancel writes nothing.
    dialogs().save.answers.push_back(std::nullopt);
    trigger("SaveStyleSheet1");
    QVERIFY(!QFile::exists(path("css/pascal.css")));
  }

  void an_unwritable_sheet_is_named_with_the_reason_and_nothing_is_written_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("below a file") << "file.txt/s.css"
                                  << "Not a directory";
    // A FIFO would hold the window until a reader came.
    QTest::newRow("a FIFO") << "pipe.css"
                            << "Not a regular file";
  }
  void an_unwritable_sheet_is_named_with_the_reason_and_nothing_is_written() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    file("file.txt", "x");
    QCOMPARE(::mkfifo(path("pipe.css").toLocal8Bit().constData(), 0600), 0);
    const QString sheet = path(name);
    dialogs().save.answers.push_back(DialogAnswer{sheet, 1});
    const QList<SeenBox> seen =
        allAnswered(QMessageBox::Ok, [this] { trigger("SaveStyleSheet1"); });
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QString("Tessaline"));
    QCOMPARE(seen[0].text, "Cannot write file '" + sheet + "': " + reason + ".");
    QCOMPARE(read("file.txt"), std::string("x"));
  }

  void save_output_offers_a_missing_sheet_once_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("yes") << QMessageBox::Yes;
    QTest::newRow("no") << QMessageBox::No;
  }
  void save_output_offers_a_missing_sheet_once() {
    QFETCH(QMessageBox::StandardButton, answer);
    storeStyleSheetMode("css/pascal.css");
    open(file("unit1.pas", "begin { c } end."));
    const auto save = [this] { press(Qt::Key_S, Qt::ControlModifier); };
    dialogs().save.answers.push_back(DialogAnswer{path("unit1.html"), 1});
    const QList<SeenBox> asked = allAnswered(answer, save);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, QString("Tessaline"));
    QCOMPARE(asked[0].icon, QMessageBox::Question);
    QCOMPARE(asked[0].format, Qt::PlainText);
    QCOMPARE(asked[0].text,
             "The page links the style sheet \"css/pascal.css\", which does not "
             "exist.\nDo you want to write it to " +
                 path("css/pascal.css") + "?");
    QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked[0].defaultButton, QMessageBox::Yes);
    QCOMPARE(read("unit1.html"), expectedPage("unit1.html", false));
    const bool yes = answer == QMessageBox::Yes;
    QCOMPARE(QFile::exists(path("css/pascal.css")), yes);
    if (yes) QCOMPARE(read("css/pascal.css"), storedStyleSheet(store()));
    // Once: the next save asks nothing, whatever the answer was.
    QCOMPARE(allAnswered(answer, save).size(), 0);
    // A page elsewhere links another file, which is asked about.
    fs::create_directories(path("other").toStdString());
    dialogs().save.answers.push_back(DialogAnswer{path("other/unit1.html"), 1});
    QCOMPARE(allAnswered(QMessageBox::No,
                         [this] { press(Qt::Key_S, Qt::ControlModifier | Qt::AltModifier); })
                 .size(),
             1);
  }

  void save_output_warns_without_a_sheet_or_a_class_name_data() {
    QTest::addColumn<bool>("incode");
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QByteArray>("numberClass");
    QTest::addColumn<bool>("warned");
    QTest::newRow("no sheet") << false << QByteArray("") << QByteArray("n") << true;
    QTest::newRow("a class without a name")
        << false << QByteArray("https://example.org/s.css") << QByteArray("") << true;
    QTest::newRow("a class name of spaces")
        << false << QByteArray("https://example.org/s.css") << QByteArray("  ") << true;
    QTest::newRow("sheet and names")
        << false << QByteArray("https://example.org/s.css") << QByteArray("n") << false;
    QTest::newRow("in code") << true << QByteArray("") << QByteArray("") << false;
  }
  void save_output_warns_without_a_sheet_or_a_class_name() {
    QFETCH(bool, incode);
    QFETCH(QByteArray, sheet);
    QFETCH(QByteArray, numberClass);
    QFETCH(bool, warned);
    if (!incode)
      storeStyleSheetMode(sheet.toStdString(), {"c", numberClass.toStdString(), "kw", "s"});
    open(file("unit1.pas", "x := 1;"));
    dialogs().save.answers.push_back(DialogAnswer{path("unit1.html"), 1});
    const QList<SeenBox> seen =
        allAnswered(QMessageBox::Ok, [this] { press(Qt::Key_S, Qt::ControlModifier); });
    QCOMPARE(seen.size(), warned ? 1 : 0);
    if (warned) {
      QCOMPARE(seen[0].title, QString("Warning"));
      QCOMPARE(seen[0].icon, QMessageBox::Warning);
      QVERIFY(seen[0].text.startsWith("You have not selected a style-sheet for this document."));
    }
    QCOMPARE(read("unit1.html"), expectedPage("unit1.html", false));
  }

  void the_preview_writes_its_missing_sheet_and_deletes_it_with_the_page() {
    storeStyleSheetMode("tessaline-test-css/pascal.css");
    open(file("unit1.pas", "begin { c } end."));
    press(Qt::Key_F10);
    const fs::path preview = window().previewFileName();
    const fs::path folder = preview.parent_path() / "tessaline-test-css";
    const fs::path sheet = folder / "pascal.css";
    QCOMPARE(readBytes(sheet), storedStyleSheet(store()));
    // The next preview takes the settings as they are then.
    storeStyleSheetMode("tessaline-test-css/pascal.css", {"comment", "n", "kw", "s"});
    press(Qt::Key_F5);
    press(Qt::Key_F10);
    QVERIFY(readBytes(sheet).find(".comment {") != std::string::npos);
    window().close();
    QVERIFY(!fs::exists(preview));
    QVERIFY(!fs::exists(folder));
  }

  void the_preview_leaves_a_sheet_it_did_not_write() {
    storeStyleSheetMode("tessaline-test-mine.css");
    const fs::path sheet =
        fs::path(window().previewFileName()).parent_path() / "tessaline-test-mine.css";
    writeBytes(sheet, "another copy's sheet");
    press(Qt::Key_F5);
    press(Qt::Key_F10);
    QVERIFY(readBytes(window().previewFileName()).find("href=\"tessaline-test-mine.css\"") !=
            std::string::npos);
    window().close();
    QCOMPARE(readBytes(sheet), std::string("another copy's sheet"));
    fs::remove(sheet);
  }

  void line_numbers_are_stored_and_number_pages_and_the_preview() {
    open(file("unit1.pas", "{ one\n  two }\nbegin end."));
    for (const bool numbered : {true, false}) {
      trigger("LineNumbers1");
      QCOMPARE(window().findChild<QAction*>("LineNumbers1")->isChecked(), numbered);
      QCOMPARE(readViewOptions(store()).LineNumbers, numbered);
      saveAs(path("unit1.html"));
      QCOMPARE(read("unit1.html"), expectedPage("unit1.html", numbered));
      press(Qt::Key_F10);
      TagSet tags;
      GetTags(store(), tags);
      QCOMPARE(readBytes(window().previewFileName()),
               pageText(PreviewTitle, tags, pane("edHTML")->lines(), numbered));
    }
    // Another window over the same store starts with the stored choice.
    trigger("LineNumbers1");
    remakeWindow();
    QVERIFY(window().findChild<QAction*>("LineNumbers1")->isChecked());
  }
};

QTEST_MAIN(PageExtrasTest)
#include "page_extras_test.moc"
