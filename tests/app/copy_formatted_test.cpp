#include "app/formatted_copy.h"
#include "gui/pane.h"
#include "settings/rtf_text.h"
#include "settings/settings_io.h"
#include "settings/theme_store.h"
#include "watched_store.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

/// The look of the first character of text in a document, as its consumer
/// shows it (a cursor takes the format of the character before it).
QTextCharFormat formatAt(QTextDocument& document, const QString& text) {
  const auto at = static_cast<int>(document.toPlainText().indexOf(text));
  if (at < 0) qWarning("not in the document: %s", qPrintable(text));
  QTextCursor cursor(&document);
  cursor.setPosition(at + 1);
  return cursor.charFormat();
}

/// Converts file with the word processor to format (as soffice names it) in
/// folder; gives back the converted file's bytes, or nothing when it fails.
QByteArray convertInWordProcessor(const QString& file, const QString& format,
                                  const QString& extension, const QTemporaryDir& folder) {
  QProcess soffice;
  soffice.start(
      QStringLiteral("soffice"),
      {QStringLiteral("--headless"), QStringLiteral("--norestore"),
       "-env:UserInstallation=file://" + folder.filePath(QStringLiteral("profile")),
       QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), folder.path(), file});
  if (!soffice.waitForFinished(120000) || soffice.exitCode() != 0) {
    qWarning("soffice failed: %s", soffice.readAllStandardError().constData());
    return {};
  }
  QFile converted(folder.filePath("copied." + extension));
  return converted.open(QIODevice::ReadOnly) ? converted.readAll() : QByteArray();
}

}  // namespace

class CopyFormattedTest : public WindowTest {
  Q_OBJECT

 private:
  void copyFormatted() {
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  }
  /// Settings as the dialog would store them: style-sheet mode, tab size 4,
  /// green italic comments, the rest classic (with underlined strings when
  /// asked).
  void storeGreenComments(bool underlinedStrings = false) {
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    held.Classes[static_cast<int>(TokenClass::Comment)] = {false, true, false, "008000", "cmt"};
    held.Classes[static_cast<int>(TokenClass::Strings)].Underlined = underlinedStrings;
    state.Mode = FormattingMode::StyleSheets;
    state.TabSize = 4;
    WriteToRegistry(store(), held, state);
  }
  std::vector<std::string> paneLines(const char* name) const { return pane(name)->lines(); }

 private slots:
  void menu_item_follows_copy_output() {
    auto* action = window().findChild<QAction*>("CopyFormatted1");
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

  void pasted_html_keeps_the_stored_looks_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("shown");
    QTest::newRow("utf-8") << QByteArray("unit A; { caf\xC3\xA9 }\n\tbegin x := 'a<b' end.\n")
                           << QString::fromUtf8("unit A; { caf\xC3\xA9 }\n\tbegin x := 'a<b' end.");
    // 0x80 is the euro sign and 0x93, 0x94 the curly quotes in Windows-1252.
    QTest::newRow("windows-1252") << QByteArray(
                                         "unit A; { caf\xE9 \x80 }\n\tbegin x := '\x93\x94' end.\n")
                                  << QString::fromUtf8(
                                         "unit A; { caf\xC3\xA9 \xE2\x82\xAC }\n"
                                         "\tbegin x := '\xE2\x80\x9C\xE2\x80\x9D' end.");
  }
  void pasted_html_keeps_the_stored_looks() {
    QFETCH(QByteArray, source);
    QFETCH(QString, shown);
    storeGreenComments();
    open(file("a.pas", source.toStdString()));
    const auto sourceBefore = paneLines("edSource");
    const auto htmlBefore = paneLines("edHTML");

    copyFormatted();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    QCOMPARE(data->text(), shown);
    const QString html = data->html();
    QVERIFY(!html.contains("class="));
    QVERIFY(!html.contains("<font"));

    QTextDocument document;
    document.setHtml(html);
    QCOMPARE(document.toPlainText(), QString(shown).replace('\t', "    "));
    const QTextCharFormat comment = formatAt(document, "caf");
    QCOMPARE(comment.foreground().color(), QColor(0x00, 0x80, 0x00));
    QVERIFY(comment.fontItalic());
    QVERIFY(formatAt(document, "begin").fontWeight() >= QFont::Bold);
    QVERIFY(!formatAt(document, "begin").fontItalic());
    QVERIFY(formatAt(document, "x :=").fontWeight() < QFont::Bold);
    QCOMPARE(formatAt(document, "' end").foreground().color(), QColor(0x00, 0x00, 0x80));

    QCOMPARE(paneLines("edSource"), sourceBefore);
    QCOMPARE(paneLines("edHTML"), htmlBefore);
  }

  void copy_offers_the_rtf_of_the_stored_looks() {
    QFETCH(QByteArray, source);
    storeGreenComments();
    open(file("a.pas", source.toStdString()));
    auto& watched = storeAs<WatchedStore>();
    watched.loads = 0;
    copyFormatted();
    // The HTML and the RTF from one read of the settings.
    QCOMPARE(watched.loads, 1);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(RtfMimeType));
    Theme theme;
    readTheme(store(), theme, ThemeKeys::InCode);
    QCOMPARE(data->data(RtfMimeType).toStdString(),
             rtfText(paneLines("edSource"), theme, pane("edSource")->codePage()));
  }
  void copy_offers_the_rtf_of_the_stored_looks_data() { pasted_html_keeps_the_stored_looks_data(); }

  void rtf_keeps_the_looks_in_a_word_processor() {
    storeGreenComments(true);
    const QString shown = QString::fromUtf8(
        "unit A; { caf\xC3\xA9 \xE2\x82\xAC }\n"
        "    begin x := 'a<b' end.");
    open(file("a.pas", "unit A; { caf\xC3\xA9 \xE2\x82\xAC }\n\tbegin x := 'a<b' end.\n"));
    copyFormatted();
    QTemporaryDir folder;
    QFile copied(folder.filePath(QStringLiteral("copied.rtf")));
    QVERIFY(copied.open(QIODevice::WriteOnly));
    copied.write(QApplication::clipboard()->mimeData()->data(RtfMimeType));
    copied.close();

    // The text, character for character, spaces and all.
    QString text = QString::fromUtf8(
        convertInWordProcessor(copied.fileName(), QStringLiteral("txt:Text (encoded):UTF8"),
                               QStringLiteral("txt"), folder));
    text.remove(QChar(0xFEFF)).remove('\r');
    while (text.endsWith('\n')) text.chop(1);
    QCOMPARE(text, shown);

    // The looks, read back from the word processor's HTML.
    const QByteArray html = convertInWordProcessor(copied.fileName(), QStringLiteral("html"),
                                                   QStringLiteral("html"), folder);
    QVERIFY(!html.isEmpty());
    QTextDocument document;
    document.setHtml(QString::fromUtf8(html));
    const QTextCharFormat comment = formatAt(document, "caf");
    QCOMPARE(comment.foreground().color(), QColor(0x00, 0x80, 0x00));
    QVERIFY(comment.fontItalic());
    QVERIFY(comment.fontFamilies().toStringList().join(',').contains("Courier New"));
    QVERIFY(formatAt(document, "\u20AC").fontItalic());
    QVERIFY(formatAt(document, "begin").fontWeight() >= QFont::Bold);
    QVERIFY(!formatAt(document, "begin").fontItalic());
    QVERIFY(formatAt(document, "x :=").fontWeight() < QFont::Bold);
    QCOMPARE(formatAt(document, "a<b").foreground().color(), QColor(0x00, 0x00, 0x80));
    QVERIFY(formatAt(document, "a<b").fontUnderline());
    QVERIFY(!formatAt(document, "end.").fontUnderline());
  }
};

QTEST_MAIN(CopyFormattedTest)
#include "copy_formatted_test.moc"
