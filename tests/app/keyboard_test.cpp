#include "gui/pane.h"
#include "settings/settings_io.h"
#include "window_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

/// One thing the user does, and what the program's windows then show:
/// "<active window> <control with the focus>[=<what it shows>]", then the
/// file dialogs asked for so far, if any ("[Save asked 2]"). No window
/// manager stands by: when a window goes, the program itself hands the
/// activation on.
struct Step {
  /// Keys as a key sequence ("Tab", "Alt+F, A"), "type <text>" for typed
  /// text, or "click <control>" for a mouse click on a control.
  QString keys;
  QString seen;
};

struct KeyboardCase {
  /// Whether the store holds settings in style-sheet mode.
  bool styleSheets = false;
  QList<Step> steps;
};

/// What a control shows of itself: a list its current row, a box its text,
/// a checkbox or mode button whether it is chosen, a pane its text.
QString shownValue(const QWidget* control) {
  if (const auto* list = qobject_cast<const QListWidget*>(control))
    return list->currentItem() ? "'" + list->currentItem()->text() + "'" : QString("none");
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return "'" + box->text() + "'";
  if (const auto* pane = qobject_cast<const Pane*>(control)) return "'" + pane->text() + "'";
  if (const auto* button = qobject_cast<const QAbstractButton*>(control))
    return button->isCheckable() ? (button->isChecked() ? "on" : "off") : QString();
  return {};
}

/// The widget a key goes to, as the window system would send it: an open
/// menu, else the focused control, else the active window.
QWidget* keyTarget() {
  if (QWidget* menu = QApplication::activePopupWidget()) return menu;
  if (QWidget* focused = QApplication::focusWidget()) return focused;
  return QApplication::activeWindow();
}

QWidget* visibleControl(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    if (auto* control = window->findChild<QWidget*>(name)) return control;
  }
  return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(KeyboardCase)

/// What the keyboard does in the main window, the settings dialog and the
/// About window, step by step as the user sees it.
class KeyboardTest : public WindowTest {
  Q_OBJECT

 private:
  QString seen() const {
    QString shown;
    if (const QWidget* active = QApplication::activeWindow()) shown = active->objectName();
    if (const QWidget* focused = QApplication::focusWidget()) {
      shown += ' ' + focused->objectName();
      const QString value = shownValue(focused);
      if (!value.isEmpty()) shown += '=' + value;
    }
    if (dialogs().save.shown > 0) shown += QString(" [Save asked %1]").arg(dialogs().save.shown);
    if (dialogs().open.shown > 0) shown += QString(" [Open asked %1]").arg(dialogs().open.shown);
    return shown;
  }

  void act(const QString& keys) {
    if (keys.startsWith("type ")) {
      QTest::keyClicks(keyTarget(), keys.mid(5));
    } else if (keys.startsWith("click ")) {
      QWidget* control = visibleControl(keys.mid(6));
      QVERIFY2(control, qPrintable(keys));
      if (auto* pane = qobject_cast<Pane*>(control)) control = pane->viewport();
      QTest::mouseClick(control, Qt::LeftButton);
    } else {
      const QKeySequence sequence(keys);
      QVERIFY2(!sequence.isEmpty(), qPrintable(keys));
      for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination combination = sequence[i];
        QTest::keyClick(keyTarget(), combination.key(), combination.keyboardModifiers());
      }
    }
  }

 private slots:
  void keys_do_what_the_user_expects_data();
  void keys_do_what_the_user_expects();
};

void KeyboardTest::keys_do_what_the_user_expects_data() {
  QTest::addColumn<KeyboardCase>("row");
  const Step openSettings{"F3", "TForm2 btnOK"};
  const Step openAbout{"Alt+H, A", "TForm4"};
  const struct {
    const char* name;
    KeyboardCase row;
  } rows[] = {
      // The main window's menus.
      {"Alt+F, S saves, asking for the name once",
       {false,
        {{"Alt+F, S", "TForm1 edSource='' [Save asked 1]"},
         {"Alt+F, S", "TForm1 edSource='' [Save asked 1]"}}}},
      {"Alt+F, A saves as, asking every time",
       {false,
        {{"Alt+F, A", "TForm1 edSource='' [Save asked 1]"},
         {"Alt+F, A", "TForm1 edSource='' [Save asked 2]"}}}},
      {"Alt+F, Y saves the style sheet",
       {false, {{"Alt+F, Y", "TForm1 edSource='' [Save asked 1]"}}}},

      // About.
      {"Escape closes About", {false, {openAbout, {"Escape", "TForm1 edSource=''"}}}},
      {"Enter closes About", {false, {openAbout, {"Return", "TForm1 edSource=''"}}}},
      {"the keypad's Enter closes About", {false, {openAbout, {"Enter", "TForm1 edSource=''"}}}},
      {"a click in the main window closes About and typing reaches the pane",
       {false,
        {openAbout,
         {"click edSource", "TForm1 edSource=''"},
         {"type end.", "TForm1 edSource='end.'"}}}},
      {"other keys leave About open",
       {false, {openAbout, {"Tab", "TForm4"}, {"Space", "TForm4"}, {"A", "TForm4"}}}},

      // The settings dialog: Escape, the class list.
      {"Escape cancels the settings dialog",
       {false,
        {openSettings,
         {"Alt+B", "TForm2 chkBold=on"},
         {"Escape", "TForm1 edSource=''"},
         openSettings,
         {"Alt+B", "TForm2 chkBold=on"}}}},
      {"Escape in a colour box that holds a wrong colour cancels too",
       {false,
        {openSettings,
         {"Alt+H", "TForm2 edHexValue='000080'"},
         {"type 12", "TForm2 edHexValue='12'"},
         {"Escape", "TForm1 edSource=''"}}}},
      {"the arrow keys walk the class list",
       {false,
        {openSettings,
         {"Tab, Tab, Tab, Tab", "TForm2 ListBox1='Comment'"},
         {"Down", "TForm2 ListBox1='Number'"},
         {"Down", "TForm2 ListBox1='Reserved Word'"},
         {"Down", "TForm2 ListBox1='String'"},
         {"Up", "TForm2 ListBox1='Reserved Word'"},
         {"Tab, Tab, Tab", "TForm2 chkItalic=off"},
         {"Tab, Tab", "TForm2 edHexValue='000000'"}}}},
      {"the arrow keys walk the class list in style-sheet mode",
       {true,
        {openSettings,
         {"Tab, Tab, Tab", "TForm2 ListBox1='Comment'"},
         {"Down, Down", "TForm2 ListBox1='Reserved Word'"},
         {"Home", "TForm2 ListBox1='Comment'"}}}},

      // Tab follows the layout; disabled controls are skipped.
      {"Tab in in-code mode",
       {false,
        {openSettings,
         {"Tab", "TForm2 btnCancel"},
         {"Tab", "TForm2 rbtnInCode=on"},
         {"Tab", "TForm2 btnDefaults"},
         {"Tab", "TForm2 ListBox1='Comment'"},
         {"Tab", "TForm2 edTabSize='2'"},
         {"Tab", "TForm2 chkBold=off"},
         {"Tab", "TForm2 chkItalic=on"},
         {"Tab", "TForm2 chkUnderlined=off"},
         {"Tab", "TForm2 edHexValue='000080'"},
         {"Tab", "TForm2 edDefaultColor='000000'"},
         {"Tab", "TForm2 btnOK"},
         {"Shift+Tab", "TForm2 edDefaultColor='000000'"}}}},
      {"Tab in style-sheet mode",
       {true,
        {openSettings,
         {"Tab", "TForm2 btnCancel"},
         {"Tab", "TForm2 rbtnStyles=on"},
         {"Tab", "TForm2 ListBox1='Comment'"},
         {"Tab", "TForm2 edTabSize='2'"},
         {"Tab", "TForm2 edStyleClass=''"},
         {"Tab", "TForm2 edStyleSheet=''"},
         {"Tab", "TForm2 btnFind"},
         {"Tab", "TForm2 btnOK"}}}},

      // Every labelled control has its access letter.
      {"Alt and a letter reach each control in in-code mode",
       {false,
        {openSettings,
         {"Alt+H", "TForm2 edHexValue='000080'"},
         {"Alt+D", "TForm2 edDefaultColor='000000'"},
         {"Alt+T", "TForm2 edTabSize='2'"},
         {"Alt+B", "TForm2 chkBold=on"},
         {"Alt+A", "TForm2 chkItalic=off"},
         {"Alt+U", "TForm2 chkUnderlined=on"},
         {"Alt+L", "TForm2 chkUnderlined=off"},
         {"Alt+S", "TForm2 edStyleClass=''"},
         {"Alt+I", "TForm2 rbtnInCode=on"},
         {"Alt+N", "TForm1 edSource=''"}}}},
      {"Alt and a letter reach each control in style-sheet mode",
       {true,
        {openSettings,
         {"Alt+C", "TForm2 edStyleClass=''"},
         {"type cmt", "TForm2 edStyleClass='cmt'"},
         {"Alt+E", "TForm2 edStyleSheet=''"},
         {"Alt+F", "TForm2 edStyleSheet='' [Open asked 1]"},
         {"Alt+H", "TForm2 edStyleSheet='' [Open asked 1]"},
         {"Alt+O", "TForm1 edSource='' [Open asked 1]"},
         {"F3", "TForm2 btnOK [Open asked 1]"},
         {"Alt+C", "TForm2 edStyleClass='cmt' [Open asked 1]"}}}},
  };
  for (const auto& [name, row] : rows) QTest::newRow(name) << row;
}

void KeyboardTest::keys_do_what_the_user_expects() {
  QFETCH(KeyboardCase, row);
  if (row.styleSheets) {
    HeldSettings held;
    DialogSettingsState state;
    applyFirstRunDefaults(held, state);
    state.Mode = FormattingMode::StyleSheets;
    WriteToRegistry(store(), held, state);
  }
  // Save dialogs name the page; Find... is cancelled.
  for (int answer = 0; answer < 4; ++answer) {
    dialogs().save.answers.push_back(DialogAnswer{path("page.html"), 2});
    dialogs().open.answers.push_back(std::nullopt);
  }
  pane("edSource")->setFocus();
  for (const Step& step : row.steps) {
    act(step.keys);
    QTRY_COMPARE_WITH_TIMEOUT(seen(), step.seen, 2000);
  }
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
