#include "gui/pane.h"
#include "message_box_answer.h"
#include "settings/settings_io.h"
#include "test_window.h"
#include "user_folders.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <fstream>
#include <memory>

namespace {

void writeBytes(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

/// The look of text at one position of a document, as its consumer shows it.
QTextCharFormat formatAt(const QTextDocument& document, const QString& text) {
  const int at = document.toPlainText().indexOf(text);
  if (at < 0) qWarning("not in the document: %s", qPrintable(text));
  QTextCursor cursor(const_cast<QTextDocument*>(&document));
  cursor.setPosition(at + 1);
  return cursor.charFormat();
}

}  // namespace

class CopyFormattedTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir base_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TestWindow> test_;

  Pane* pane(const char* name) const { return test_->window.findChild<Pane*>(name); }
  void copyFormatted() {
    QTest::keyClick(&test_->window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  }
  /// Settings as the dialog would store them: style-sheet mode, tab size 4,
  /// green italic comments, bold black reserved words on a black default.
  void storeGreenComments() {
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    held.Classes[static_cast<int>(TokenClass::Comment)] = {false, true, false, "008000", "cmt"};
    state.Mode = FormattingMode::StyleSheets;
    state.TabSize = 4;
    WriteToRegistry(test_->store, held, state);
  }

 private slots:
  void initTestCase() {
    QVERIFY(base_.isValid());
    QVERIFY(useUserFoldersIn(base_));
  }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    test_ = std::make_unique<TestWindow>();
    QVERIFY(test_->show());
  }

  void cleanup() { test_.reset(); }

  void menu_item_follows_copy_output() {
    auto* action = test_->window.findChild<QAction*>("CopyFormatted1");
    QVERIFY(action);
    QCOMPARE(action->text(), QString("Copy &Formatted"));
    QCOMPARE(action->shortcut(), QKeySequence("Ctrl+Shift+C"));
    QCOMPARE(action->shortcutContext(), Qt::ApplicationShortcut);
    auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QString("&Output"));
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(action);
    QVERIFY(at > 0);
    QCOMPARE(items[at - 1]->objectName(), QString("CopyoutputtoClipboard1"));
  }

  void pasted_html_keeps_the_stored_looks() {
    storeGreenComments();
    const std::string source = "unit A; { note }\n\tbegin x := 'caf\xC3\xA9' < 1 end.\n";
    writeBytes(dir_->filePath("a.pas"), source);
    test_->open(dir_->filePath("a.pas"));
    const std::string sourceBefore(pane("edSource")->text());
    const std::string htmlBefore(pane("edHTML")->text());

    copyFormatted();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    QVERIFY(data->hasText());
    QCOMPARE(data->text(),
             QString::fromUtf8("unit A; { note }\n\tbegin x := 'caf\xC3\xA9' < 1 end."));
    const QString html = data->html();
    QVERIFY(!html.contains("class="));
    QVERIFY(!html.contains("<font"));

    QTextDocument document;
    document.setHtml(html);
    QCOMPARE(document.toPlainText(),
             QString::fromUtf8("unit A; { note }\n    begin x := 'caf\xC3\xA9' < 1 end."));
    const QTextCharFormat comment = formatAt(document, "note");
    QCOMPARE(comment.foreground().color(), QColor(0x00, 0x80, 0x00));
    QVERIFY(comment.fontItalic());
    QVERIFY(formatAt(document, "begin").fontWeight() >= QFont::Bold);
    QVERIFY(!formatAt(document, "begin").fontItalic());
    QVERIFY(formatAt(document, "unit").fontWeight() >= QFont::Bold);
    QVERIFY(formatAt(document, " x ").fontWeight() < QFont::Bold);
    QCOMPARE(formatAt(document, "caf").foreground().color(), QColor(0x00, 0x00, 0x80));

    QCOMPARE(std::string(pane("edSource")->text()), sourceBefore);
    QCOMPARE(std::string(pane("edHTML")->text()), htmlBefore);
  }

  void empty_source_gives_an_empty_pre() {
    copyFormatted();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QTextDocument document;
    document.setHtml(data->html());
    QCOMPARE(document.toPlainText(), QString());
    QCOMPARE(data->text(), QString());
  }

  void unreadable_settings_leave_the_clipboard_alone() {
    QApplication::clipboard()->setText("before");
    {
      SettingsWriteBatch batch(test_->store);
      {
        OpenedKey key(test_->store, SettingsKey, true);
        test_->store.writeText("TabSize", "two");
      }
      batch.commit();
    }
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, seen);
    copyFormatted();
    QVERIFY(QTest::qWaitFor([&seen] { return seen.shown; }));
    QCOMPARE(seen.text, QString("Invalid data type for 'TabSize'"));
    QCOMPARE(QApplication::clipboard()->text(), QString("before"));
  }
};

QTEST_MAIN(CopyFormattedTest)
#include "copy_formatted_test.moc"
