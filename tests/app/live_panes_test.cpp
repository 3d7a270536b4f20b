#include "app/layout.h"
#include "app/live_conversion.h"
#include "gui/pane.h"
#include "gui/source_highlighter.h"
#include "gui/source_looks.h"
#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "settings/settings_keys.h"
#include "settings/view_options.h"
#include "watched_store.h"
#include "window_test.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

/// Lines of code with every token class and no comment that runs on.
std::string codeLines(int count) {
  std::string unit;
  for (int i = 0; i < count; ++i)
    unit += "  if x > " + std::to_string(i) + " then s := 'text'; // note\n";
  return unit;
}

/// A unit with comments that open and close on later lines.
const std::string Unit = "unit A;\n{ a brace\n  comment }\nconst N = 10; S = 'it''s';\n" +
                         codeLines(3) + "(* a paren\n  comment *)\nbegin x := N end.\n";

}  // namespace

Q_DECLARE_METATYPE(SourceLooks)

class LivePanesTest : public WindowTest {
  Q_OBJECT

 private:
  Pane* source() const { return pane("edSource"); }
  Pane* html() const { return pane("edHTML"); }
  LiveConversion* live() const { return window().findChild<LiveConversion*>("LiveConversion"); }
  long position(long line, long column = 0) const {
    return source()->SendScintilla(Sci::SCI_POSITIONFROMLINE, line) + column;
  }
  void moveTo(long line, long column = 0) const {
    source()->SendScintilla(Sci::SCI_GOTOPOS, position(line, column));
  }
  /// Types text on the keyboard into the source pane.
  void type(const QString& text) const {
    for (const QChar character : text) {
      if (character == '\n')
        QTest::keyClick(source(), Qt::Key_Return);
      else
        QTest::sendKeyEvent(QTest::Click, source(), Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
  }
  void choose(const char* item) const { window().findChild<QAction*>(item)->trigger(); }
  /// The look of the source pane's character at line, column, once the pane
  /// has drawn it.
  TextLook lookAt(long line, long column) const {
    const long at = position(line, column);
    // Lines in view must be styled as they are; others are scrolled to.
    const long top = source()->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE);
    if (line < top || line >= top + source()->SendScintilla(Sci::SCI_LINESONSCREEN))
      source()->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, std::max(0L, line - 2));
    if (!QTest::qWaitFor([&] { return source()->SendScintilla(Sci::SCI_GETENDSTYLED) > at; }))
      qWarning("line %ld never styled", line);
    const auto style = static_cast<unsigned long>(source()->SendScintilla(Sci::SCI_GETSTYLEAT, at));
    const auto bgr =
        static_cast<std::uint32_t>(source()->SendScintilla(Sci::SCI_STYLEGETFORE, style));
    return {(bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF),
            source()->SendScintilla(Sci::SCI_STYLEGETBOLD, style) != 0,
            source()->SendScintilla(Sci::SCI_STYLEGETITALIC, style) != 0,
            source()->SendScintilla(Sci::SCI_STYLEGETUNDERLINE, style) != 0};
  }
  std::vector<int> stylesOfLines(long first, long last) const {
    std::vector<int> styles;
    for (long line = first; line <= last; ++line) {
      lookAt(line, 0);
      for (long at = position(line); at < position(line + 1); ++at)
        styles.push_back(static_cast<int>(source()->SendScintilla(Sci::SCI_GETSTYLEAT, at)));
    }
    return styles;
  }
  /// The HTML pane, once it followed the edits, is what Convert / Refresh
  /// makes of the source.
  void checkFollowedLikeRefresh() const {
    QTRY_VERIFY(live()->isUpToDate());
    const std::string followed = html()->bytes();
    QTest::keyClick(&window(), Qt::Key_F5);
    QCOMPARE(html()->bytes(), followed);
  }
  QString message() const { return window().statusBar()->currentMessage(); }
  bool outOfDate() const { return !window().findChild<QLabel*>("OutOfDateNotice")->isHidden(); }
  void storeSettings(FormattingMode mode, const ClassAttributes& comment,
                     const std::string& numberClass = "num") const {
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    held.Classes[static_cast<int>(TokenClass::Comment)] = comment;
    held.Classes[static_cast<int>(TokenClass::Number)].StyleClass = numberClass;
    state.Mode = mode;
    WriteToRegistry(store(), held, state);
  }
  void storeText(const std::string& key, const char* name, const char* text) const {
    SettingsWriteBatch batch(store());
    {
      OpenedKey opened(store(), key, true);
      store().writeText(name, text);
    }
    batch.commit();
  }

 private slots:
  void source_pane_shows_each_token_class_in_its_in_code_look_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<SourceLooks>("looks");
    const TextLook black{0x000000}, navy{0x000080}, green{0x008000, true, false, true};
    QTest::newRow("classic")
        << -1
        << SourceLooks{black, {{{navy.colour, false, true}, navy, {black.colour, true}, navy}}};
    const SourceLooks stored{black, {{green, navy, {black.colour, true}, navy}}};
    QTest::newRow("stored, in code") << int(FormattingMode::InCode) << stored;
    QTest::newRow("stored, style sheets") << int(FormattingMode::StyleSheets) << stored;
  }
  void source_pane_shows_each_token_class_in_its_in_code_look() {
    QFETCH(int, mode);
    QFETCH(SourceLooks, looks);
    if (mode >= 0) storeSettings(FormattingMode(mode), {true, false, true, "008000", "cmt"});
    open(file("a.pas", Unit));
    QCOMPARE(lookAt(0, 0), looks[TokenClass::Reserved]);  // unit
    QCOMPARE(lookAt(0, 5), looks.plain);                  // A
    QCOMPARE(lookAt(2, 4), looks[TokenClass::Comment]);   // the brace comment's second line
    QCOMPARE(lookAt(3, 10), looks[TokenClass::Number]);   // 10
    QCOMPARE(lookAt(3, 18), looks[TokenClass::Strings]);  // 'it''s'
    QCOMPARE(lookAt(4, 31), looks[TokenClass::Comment]);  // // note
    QCOMPARE(lookAt(8, 3), looks[TokenClass::Comment]);   // the paren comment's second line
    QCOMPARE(source()->bytes(), Unit);
  }

  void a_comment_opener_restyles_the_lines_after_it_until_it_is_closed_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("closer");
    QTest::newRow("brace") << "{"
                           << "}";
    QTest::newRow("parenthesis-star") << "(*"
                                      << "*)";
  }
  void a_comment_opener_restyles_the_lines_after_it_until_it_is_closed() {
    QFETCH(QString, opener);
    QFETCH(QString, closer);
    open(file("a.pas", codeLines(400)));
    const std::vector<int> before = stylesOfLines(0, 30);
    const std::vector<int> far = stylesOfLines(380, 399);
    const TextLook comment = lookAt(0, 31);

    moveTo(0, 0);
    type(opener);
    for (const long line : {1L, 6L, 20L, 30L, 390L, 399L}) QCOMPARE(lookAt(line, 2), comment);
    moveTo(10);
    type(closer);
    for (const long line : {6L, 9L}) QCOMPARE(lookAt(line, 2), comment);
    QCOMPARE(lookAt(10, 0), comment);
    QVERIFY(lookAt(11, 2) != comment);
    QCOMPARE(stylesOfLines(380, 399), far);
    // Taken back, every line looks as before.
    for (int i = 0; i < closer.size(); ++i) QTest::keyClick(source(), Qt::Key_Backspace);
    moveTo(0, opener.size());
    for (int i = 0; i < opener.size(); ++i) QTest::keyClick(source(), Qt::Key_Backspace);
    QCOMPARE(stylesOfLines(0, 30), before);
    QCOMPARE(source()->bytes(), codeLines(400));
  }

  void options_switch_the_features_and_the_store_keeps_them() {
    open(file("a.pas", Unit));
    const TextLook reserved = lookAt(0, 0);
    choose("HighlightSource1");
    QVERIFY(!window().findChild<QAction*>("HighlightSource1")->isChecked());
    QCOMPARE(lookAt(0, 0), TextLook{});
    type("begin ");
    QCOMPARE(lookAt(0, 0), TextLook{});
    choose("ConvertAsYouType1");
    QVERIFY(window().findChild<QAction*>("ConvertAsYouType1")->isChecked());
    QCOMPARE(readViewOptions(store()), (ViewOptions{false, true, false}));
    // A store holds only the options' own key, never a half-made Settings key.
    QVERIFY(!store().openKey(SettingsKey, false));

    MainWindow another(context());
    QVERIFY(!another.findChild<QAction*>("HighlightSource1")->isChecked());
    QVERIFY(another.findChild<QAction*>("ConvertAsYouType1")->isChecked());
    choose("HighlightSource1");
    QCOMPARE(lookAt(0, 0), reserved);
  }

  void converting_as_you_type_makes_what_refresh_makes() {
    struct Case {
      const char* what;
      std::string unit;
      std::function<void()> edit;
      /// The HTML lines replaced, first and last; none to leave unchecked.
      long firstReplaced = -1, lastReplaced = -1;
    };
    const auto paste = [this](const QString& text) {
      QApplication::clipboard()->setText(text);
      QTest::keyClick(source(), Qt::Key_V, Qt::ControlModifier);
    };
    const std::string unit = Unit + codeLines(200);
    const Case cases[] = {
        {"a word typed", unit,
         [&] {
           moveTo(3, 6);
           type("Max");
         },
         3, 3},
        {"a line split and joined again", unit,
         [&] {
           moveTo(4, 10);
           type("\n");
           QTest::keyClick(source(), Qt::Key_Backspace);
         }},
        {"a brace comment opened up to the next closer", unit,
         [&] {
           moveTo(0);
           type("{");
         },
         0, 2},
        {"a parenthesis-star comment opened to the end", unit,
         [&] {
           moveTo(20, 2);
           type("(*");
         },
         20, 210},
        {"lines pasted with comments", unit,
         [&] {
           moveTo(5);
           paste("x := '{';\n{ a\n(* b *)\n");
         }},
        {"a paste undone", unit,
         [&] {
           moveTo(5);
           paste("{\n\n\n");
           QTest::keyClick(source(), Qt::Key_Z, Qt::ControlModifier);
         }},
        {"lines selected and deleted", unit,
         [&] {
           source()->SendScintilla(Sci::SCI_SETSEL, position(1, 3), position(7, 2));
           QTest::keyClick(source(), Qt::Key_Delete);
         }},
        {"typed after a last line without a break", "x := 1;",
         [&] {
           QTest::keyClick(source(), Qt::Key_End, Qt::ControlModifier);
           type("\nend\n");
         }},
        {"everything deleted", unit,
         [&] {
           QTest::keyClick(source(), Qt::Key_A, Qt::ControlModifier);
           QTest::keyClick(source(), Qt::Key_Delete);
         }},
        {"a Windows-1252 unit", "x := '\xE9t\xE9'; { caf\x80 }\n" + codeLines(3),
         [&] {
           moveTo(1, 2);
           type(QString::fromUtf8("\xC3\xA9{"));
         }},
    };
    for (const Case& c : cases) {
      qInfo("%s", c.what);
      open(file("a.pas", c.unit));
      if (!window().findChild<QAction*>("ConvertAsYouType1")->isChecked())
        choose("ConvertAsYouType1");
      QList<QPair<long, long>> replaced;
      const auto noted =
          connect(html(), &Sci::SCN_MODIFIED, this, [&](int at, int type, const char*, int length) {
            if (type & Sci::SC_MOD_BEFOREDELETE) replaced.append({at, at + length});
          });
      c.edit();
      QTRY_VERIFY(live()->isUpToDate());
      disconnect(noted);
      if (c.firstReplaced >= 0) {
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(html()->SendScintilla(Sci::SCI_LINEFROMPOSITION, replaced[0].first),
                 c.firstReplaced);
        QCOMPARE(html()->SendScintilla(Sci::SCI_LINEFROMPOSITION, replaced[0].second),
                 c.lastReplaced);
      }
      checkFollowedLikeRefresh();
    }
  }

  void style_classes_outside_ascii_follow_in_a_windows_1252_unit() {
    storeSettings(FormattingMode::StyleSheets, {false, false, false, "000000", "cmt"},
                  "caf\xC3\xA9");
    open(file("a.pas", "x := '\xE9'; 12\n"));
    choose("ConvertAsYouType1");
    moveTo(0);
    type("7 ");
    checkFollowedLikeRefresh();
  }

  void html_pane_keeps_the_lines_it_shows_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("caretShift");
    QTest::newRow("below the view") << 250 << "x" << 0 << 0;
    QTest::newRow("in the view") << 105 << "\n" << 0 << 1;
    QTest::newRow("above the view") << 20 << "\n\n" << 2 << 2;
  }
  void html_pane_keeps_the_lines_it_shows() {
    QFETCH(int, line);
    QFETCH(QString, typed);
    QFETCH(int, shift);
    QFETCH(int, caretShift);
    open(file("a.pas", codeLines(300)));
    choose("ConvertAsYouType1");
    html()->SendScintilla(Sci::SCI_GOTOPOS, html()->SendScintilla(Sci::SCI_POSITIONFROMLINE, 110L));
    html()->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 100);
    html()->SendScintilla(Sci::SCI_SETXOFFSET, 40);
    const long caretLine = 110 + caretShift;

    moveTo(line);
    type(typed);
    QTRY_VERIFY(live()->isUpToDate());
    QCOMPARE(html()->SendScintilla(Sci::SCI_GETFIRSTVISIBLELINE), 100L + shift);
    QCOMPARE(html()->SendScintilla(Sci::SCI_GETXOFFSET), 40L);
    QCOMPARE(html()->SendScintilla(Sci::SCI_LINEFROMPOSITION,
                                   html()->SendScintilla(Sci::SCI_GETCURRENTPOS)),
             caretLine);
    checkFollowedLikeRefresh();
  }

  void store_changes_and_errors_while_typing() {
    open(file("a.pas", Unit));
    choose("ConvertAsYouType1");
    // Settings stored behind the window's back change every line's HTML.
    storeSettings(FormattingMode::InCode, {true, true, true, "FF0000", "cmt"});
    moveTo(1);
    type("x");
    checkFollowedLikeRefresh();

    storeText(SettingsKey, "TabSize", "two");
    type("y");
    QTRY_COMPARE(message(), QString("HTML not updated: Invalid data type for 'TabSize'"));
    QVERIFY(outOfDate());
    QVERIFY(source()->bytes().find("xy{") != std::string::npos);

    storeSettings(FormattingMode::InCode, {true, true, true, "FF0000", "cmt"});
    type("z");
    QTRY_VERIFY(!outOfDate());
    checkFollowedLikeRefresh();

    // Looks that cannot be read leave the pane as it was and typing goes on.
    storeSettings(FormattingMode::StyleSheets, {true, true, true, "FF0000", "cmt"});
    storeText(inCodeKeyPath(TokenClass::Comment), "Bold", "yes");
    const TextLook comment = lookAt(2, 4);
    QTest::keyClick(&window(), Qt::Key_F5);
    QCOMPARE(message(), QString("Source colors not read: Invalid data type for 'Bold'"));
    moveTo(1);
    type("{");
    QCOMPARE(lookAt(2, 4), comment);
  }

  void each_command_reads_the_settings_once() {
    auto& watched = storeAs<WatchedStore>();
    const struct {
      const char* name;
      std::function<void()> before;
      std::function<void()> command;
    } commands[] = {
        {"Open", [] {}, [&] { open(file("a.pas", Unit)); }},
        {"Convert / Refresh", [] {}, [&] { QTest::keyClick(&window(), Qt::Key_F5); }},
        {"Highlight Source", [&] { choose("HighlightSource1"); },
         [&] { choose("HighlightSource1"); }},
        // The tag set differs from the HTML pane's, so all of it is converted again.
        {"typing, the settings changed",
         [&] {
           choose("ConvertAsYouType1");
           storeSettings(FormattingMode::InCode, {true, true, true, "FF0000", "cmt"});
         },
         [&] {
           type("x");
           live()->catchUp();
         }},
    };
    for (const auto& [name, before, command] : commands) {
      before();
      watched.loads = 0;
      command();
      QVERIFY2(watched.loads == 1,
               qPrintable(QStringLiteral("%1: %2 reads").arg(name).arg(watched.loads)));
    }
  }

  void status_bar_says_what_each_command_did() {
    open(file("a.pas", Unit));
    const int lines = 10;
    QCOMPARE(message(), QString("a.pas: %1 lines converted").arg(lines));
    QVERIFY(!outOfDate());
    type("x");
    QVERIFY(outOfDate());
    QTest::keyClick(&window(), Qt::Key_F5);
    QCOMPARE(message(), QString("%1 lines converted").arg(lines));
    QVERIFY(!outOfDate());
    dialogs().save.answers.push_back(DialogAnswer{path("page.html"), 1});
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(message(), "Page saved: " + path("page.html"));
    QCOMPARE(window().windowTitle(), "Korvane Software - Tessaline v1.0  |  " + path("page.html"));
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(message(), QString("%1 lines of HTML copied to the clipboard").arg(lines));
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(
        message(),
        QString("%1 lines copied to the clipboard as formatted HTML and plain text").arg(lines));
    choose("ConvertAsYouType1");
    type("y");
    QVERIFY(!outOfDate());
  }

  void outputs_are_the_same_with_the_features_on_or_off() {
    TempFolder settings;
    RegFileStore fileStore(settings.file("Tessaline.reg"));
    AppContext context{fileStore, {}, {}, dialogs().factory(), [](const QString&) {}, {}};
    MainWindow window(context);
    window.show();
    auto* edSource = window.findChild<Pane*>("edSource");
    // Two windows answer the same shortcuts, so this one's menu items are chosen.
    const auto choose = [&](const char* item) { window.findChild<QAction*>(item)->trigger(); };
    const auto outputs = [&] {
      dialogs().open.answers.push_back(DialogAnswer{file("a.pas", Unit), 1});
      choose("Open1");
      edSource->SendScintilla(Sci::SCI_GOTOPOS, 3L);
      QTest::keyClicks(edSource, "{ x");
      QTest::keyClick(edSource, Qt::Key_Return);
      choose("Refresh1");
      dialogs().save.answers.push_back(DialogAnswer{path("page.html"), 1});
      choose("SaveAs1");
      choose("CopyoutputtoClipboard1");
      std::vector<std::string> seen{readBytes(path("page.html").toStdString()),
                                    QApplication::clipboard()->text().toStdString()};
      choose("CopyFormatted1");
      seen.push_back(QApplication::clipboard()->mimeData()->html().toStdString());
      seen.push_back(QApplication::clipboard()->mimeData()->text().toStdString());
      return seen;
    };
    const std::vector<std::string> asShipped = outputs();
    // Until an option is changed, nothing is written to the settings file.
    QVERIFY(!std::filesystem::exists(settings.file("Tessaline.reg")));
    for (const char* item : {"HighlightSource1", "ConvertAsYouType1"}) choose(item);
    QCOMPARE(outputs(), asShipped);
    QVERIFY(!fileStore.openKey(SettingsKey, false));
  }

  void divider_moves_width_between_the_boxes_and_keeps_its_share() {
    window().showNormal();
    window().resize(1017, 700);
    auto* panel = window().findChild<QWidget*>("Panel1");
    QTRY_COMPARE(panel->width(), window().width());
    auto* divider = window().findChild<QWidget*>("Divider1");
    const auto boxes = [this] {
      return std::pair{window().findChild<QGroupBox*>("GroupBox1")->geometry(),
                       window().findChild<QGroupBox*>("GroupBox2")->geometry()};
    };
    const auto expected = [&](double share) {
      const FormLayout layout = computeFormLayout(panel->width(), panel->height(), share);
      const auto rect = [](const LayoutRect& r) { return QRect(r.left, r.top, r.width, r.height); };
      return std::pair{rect(layout.sourceBox), rect(layout.htmlBox)};
    };
    QCOMPARE(boxes(), expected(EvenShare));
    QCOMPARE(divider->geometry().left(), boxes().first.right() + 1);
    const int evenWidth = boxes().first.width();

    const QPoint grip(divider->width() / 2 + 3, divider->height() / 2);
    QTest::mousePress(divider, Qt::LeftButton, {}, grip);
    QTest::mouseMove(divider, grip - QPoint(150, 0));
    QTest::mouseRelease(divider, Qt::LeftButton, {}, grip - QPoint(150, 0));
    const double share = sourceShareAt(panel->width(), 20 + evenWidth + 25 - 150);
    QCOMPARE(boxes(), expected(share));
    QCOMPARE(boxes().first.width(), evenWidth - 150);

    window().resize(1400, 800);
    QTRY_COMPARE(panel->width(), window().width());
    QCOMPARE(boxes(), expected(share));
    QTest::mouseDClick(divider, Qt::LeftButton, {}, grip);
    QCOMPARE(boxes(), expected(EvenShare));
  }

  void a_pane_counts_its_lines_as_it_cuts_them() {
    for (const char* text : {"", "a", "a\n", "a\n\n", "\n", "a\r\nb", "a\rb\r", "a\n\rb"}) {
      source()->SendScintilla(Sci::SCI_SETTEXT, text);
      QCOMPARE(source()->lineCount(), source()->lines().size());
    }
  }

  void an_assistive_technology_gets_the_panes_text_and_typing_is_still_followed() {
    open(file("a.pas", Unit));
    choose("ConvertAsYouType1");
    const auto reportsText = [](Pane* pane) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pane);
      return accessible && accessible->textInterface() != nullptr;
    };
    QVERIFY(!reportsText(source()));
    QAccessible::setActive(true);
    QVERIFY(reportsText(source()));
    QVERIFY(reportsText(html()));
    moveTo(2);
    type("{ (*\n");
    checkFollowedLikeRefresh();
    QAccessible::setActive(false);
    QVERIFY(!reportsText(html()));
    type("*)");
    checkFollowedLikeRefresh();
  }
};

QTEST_MAIN(LivePanesTest)
#include "live_panes_test.moc"
