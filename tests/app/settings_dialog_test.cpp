#include "app/settings_dialog.h"
#include "engine/converter.h"
#include "gui/activation_keeper.h"
#include "settings/get_tags.h"
#include "settings/key_tree_store.h"
#include "settings/memory_store.h"
#include "settings/reg_file_format.h"
#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "settings/settings_keys.h"
#include "window_test.h"

#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <optional>

namespace {

/// The settings file of a test function, which can be made to refuse
/// every write.
class SettingsFile : public RegFileStore {
 public:
  using RegFileStore::RegFileStore;
  bool refusesWrites = false;

 protected:
  void saveTree(const RegKeyTree& tree) override {
    if (refusesWrites)
      throw std::runtime_error("Failed to set data for '" + path() + "': Read-only file system");
    RegFileStore::saveTree(tree);
  }
};

const QString TooShort = QStringLiteral("\n\rPlease enter a 6 character hexadecimal value.");
const QString NotHexadecimal =
    QStringLiteral("\n\rNumber entered is not a valid hexadecimal value.");

/// The one source line the stand-in main window converts.
const std::vector<std::string> SourceLines = {"begin x := 5; { note } s := 'a'; end;"};

/// The held settings of a first run: the classic scheme, default colour black.
HeldSettings classicHeld() {
  HeldSettings held;
  held.Classes = ClassicSettings;
  held.DefaultColor = "000000";
  return held;
}

std::string textData(const char* text) { return std::string(text) + '\0'; }

/// The access letter a caption marks with "&", upper case; none when it marks none.
QChar accessLetter(const QString& caption) {
  const qsizetype at = caption.indexOf('&');
  return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

/// The HTML shown as plain text, as a tooltip shows it.
QString shownToolTip(const QWidget* widget) {
  QTextDocument shown;
  shown.setHtml(widget->toolTip());
  return shown.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

}  // namespace

class SettingsDialogTest : public WindowTest {
  Q_OBJECT

 private slots:
  void windowHasItsCaptionSizeAndControls();
  void hintsShowAsWritten();
  void firstOpeningShowsTheClassicScheme();
  void enterAtOncePressesOkAndWritesEveryValue_data();
  void enterAtOncePressesOkAndWritesEveryValue();
  void storeInStyleSheetModeOpensInThatMode();
  void typedLettersBecomeUpperCaseAndEnterAcceptsThem();
  void colourChecks_data();
  void colourChecks();
  void leavingForCancelShowsTheMessageFirst();
  void editsSurviveListChangesAndCancelDiscardsThem();
  void classicSettingsResetEveryClass();
  void modeSwitchesKeepAnUncommittedColour();
  void clickOnMainWindowNeitherChecksNorKeepsTheActivation();
  void tabSizeStepsWithinItsLimits();
  void enterElsewhereDoesNothing();
  void everyLabelledControlHasAnAccessLetterOfItsOwn_data();
  void everyLabelledControlHasAnAccessLetterOfItsOwn();
  void okShowsItsFocusRingAtOpening();
  void findPutsTheChosenSheetInTheBox();
  void storeWithOnlyStyleKeyChoosesNoMode();
  void missingTabSizeStopsTheLoad();
  void writeFailureKeepsTheDialogOpen();
  void choosingAClassSelectsTheWholeBox_data();
  void choosingAClassSelectsTheWholeBox();
  void arrowKeysChooseTheModeAsAClickDoes();
  void dialogUsesTheWindowFontAndCaptionsFit();

 private:
  std::unique_ptr<SettingsStore> makeStore(const TempFolder& folder) const override {
    return std::make_unique<SettingsFile>(folder.file("Tessaline.reg"));
  }
  void cleanupTest() override;
  SettingsFile& settingsFile() const { return storeAs<SettingsFile>(); }
  const std::string& storePath() const { return settingsFile().path(); }
  /// Opens a settings dialog over the test function's store, its conversion
  /// standing in for the main window's.
  void openDialog();
  template <typename Control>
  Control* control(const char* name) const {
    return WindowTest::control<Control>(dialog_, name);
  }
  /// The options of the style-sheet dialog, in the order they were made.
  QList<FileDialogOptions> styleSheetDialogsMade() const;
  void saveStore(const HeldSettings& held, FormattingMode mode, int tabSize = 2);
  void typeInto(const char* boxName, const QString& text);
  void clickRow(int row);
  /// The store file's bytes; empty when there is none.
  std::string storedFile() const;
  /// The values of the store file by key (below the settings key) and name.
  std::map<std::pair<std::string, std::string>, std::string> storedValues() const;
  /// One value's data in the store file; empty when it is not there.
  std::string storedValue(const std::string& key, const std::string& name) const {
    const auto values = storedValues();
    const auto found = values.find({key, name});
    return found == values.end() ? std::string() : found->second;
  }

  std::vector<std::string> html_;
  int conversions_ = 0;
  bool busyWhileConverting_ = false;
  std::unique_ptr<MessageAnswerer> messages_;
  QPointer<SettingsDialog> dialog_;
};

void SettingsDialogTest::cleanupTest() {
  delete dialog_.data();
  messages_.reset();
}

void SettingsDialogTest::openDialog() {
  messages_ = std::make_unique<MessageAnswerer>();
  html_.clear();
  conversions_ = 0;
  busyWhileConverting_ = false;
  const auto convertSource = [this] {
    GetTags(context().store, context().tags);
    html_ = Convert(SourceLines, context().tags);
    ++conversions_;
    const QCursor* cursor = QApplication::overrideCursor();
    busyWhileConverting_ = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
  };
  dialog_ = new SettingsDialog(context(), window().activationKeeper(), convertSource);
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog_));
  QCoreApplication::processEvents();
}

QList<FileDialogOptions> SettingsDialogTest::styleSheetDialogsMade() const {
  QList<FileDialogOptions> made = dialogs().open.made;
  made.removeIf([](const FileDialogOptions& options) {
    return options.objectName != QLatin1String("OpenDialog1");
  });
  return made;
}

void SettingsDialogTest::saveStore(const HeldSettings& held, FormattingMode mode, int tabSize) {
  WriteToRegistry(store(), held, {mode, tabSize, false});
}

void SettingsDialogTest::typeInto(const char* boxName, const QString& text) {
  auto* box = control<QLineEdit>(boxName);
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

void SettingsDialogTest::clickRow(int row) {
  auto* list = control<QListWidget>("ListBox1");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

std::string SettingsDialogTest::storedFile() const { return readBytes(storePath()); }

std::map<std::pair<std::string, std::string>, std::string> SettingsDialogTest::storedValues()
    const {
  const std::string bytes = storedFile();
  if (bytes.empty()) return {};
  const std::string prefix = std::string(CurrentUserHive) + SettingsKey;
  std::map<std::pair<std::string, std::string>, std::string> values;
  const RegKeyTree tree = parseRegFile(bytes);
  for (const RegKey& key : tree.keys()) {
    for (const RegValue& value : key.values())
      values[{key.path().substr(prefix.size()), value.name}] = value.data;
  }
  return values;
}

void SettingsDialogTest::windowHasItsCaptionSizeAndControls() {
  openDialog();
  QCOMPARE(dialog_->objectName(), QStringLiteral("TForm2"));
  QCOMPARE(dialog_->windowTitle(), QStringLiteral("File Settings"));
  QCOMPARE(dialog_->size(), QSize(480, 370));
  QCOMPARE(dialog_->minimumSize(), dialog_->maximumSize());
  QVERIFY(!dialog_->isModal());
  QVERIFY(dialog_->testAttribute(Qt::WA_DeleteOnClose));
  QVERIFY(dialog_->windowFlags() & Qt::WindowCloseButtonHint);
  QVERIFY(!(dialog_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                      Qt::WindowContextHelpButtonHint)));

  const std::pair<const char*, const char*> captions[] = {{"rbtnStyles", "Use &Style Sheets"},
                                                          {"rbtnInCode", "Use &In-Code Formatting"},
                                                          {"btnDefaults", "Use C&lassic Settings"},
                                                          {"chkBold", "&Bold"},
                                                          {"chkItalic", "It&alic"},
                                                          {"chkUnderlined", "&Underlined"},
                                                          {"btnFind", "&Find..."},
                                                          {"btnOK", "&OK"},
                                                          {"btnCancel", "Ca&ncel"}};
  for (const auto& [name, caption] : captions)
    QCOMPARE(control<QAbstractButton>(name)->text(), QString::fromLatin1(caption));
  for (const char* name : {"btnDefaults", "btnFind", "btnOK", "btnCancel"}) {
    QVERIFY(!control<QPushButton>(name)->isDefault());
    QVERIFY(!control<QPushButton>(name)->autoDefault());
  }
  for (const char* name : {"chkBold", "chkItalic", "chkUnderlined"}) {
    const QFont look = control<QCheckBox>(name)->font();
    QCOMPARE(look.family(), QStringLiteral("Courier New"));
    QCOMPARE(look.pixelSize(), 11);
  }
  QVERIFY(control<QCheckBox>("chkBold")->font().bold());
  QVERIFY(control<QCheckBox>("chkItalic")->font().italic());
  QVERIFY(control<QCheckBox>("chkUnderlined")->font().underline());

  auto* list = control<QListWidget>("ListBox1");
  QStringList rows;
  for (int row = 0; row < list->count(); ++row) rows << list->item(row)->text();
  QCOMPARE(rows, (QStringList{"Comment", "Number", "Reserved Word", "String"}));
  QCOMPARE(list->visualItemRect(list->item(1)).height(), 15);

  for (const char* name : {"edHexValue", "edDefaultColor"})
    QCOMPARE(control<QLineEdit>(name)->maxLength(), 6);
  QCOMPARE(control<QLineEdit>("edTabSize")->maxLength(), 2);
  QStringList groups;
  for (const QGroupBox* group : dialog_->findChildren<QGroupBox*>()) groups << group->title();
  QCOMPARE(groups, (QStringList{" Output Settings ", " Text Attributes ", " Color ",
                                " Style &Class ", " Style Sh&eet (Optional) "}));
  QStringList labels;
  for (const QLabel* label : dialog_->findChildren<QLabel*>()) labels << label->text();
  QCOMPARE(labels, (QStringList{"&Tab Size:", "&Hex:", "&Default:"}));
}

void SettingsDialogTest::hintsShowAsWritten() {
  openDialog();
  const std::pair<const char*, const char*> hints[] = {
      {"rbtnStyles",
       "Select this if you want the document to be formatted using cascading style sheets (CSS)."},
      {"rbtnInCode",
       "Select this if you wish Tessaline to use incode formatting - <font>, <b>, <i> tags etc)."},
      {"edHexValue", "Enter the hexadecimal value for the text color."},
      {"edDefaultColor",
       "Enter the default color for text in your webpage. (Usually 000000 - black)."},
      {"btnDefaults", "Resets all the in-code formatting to the classic delphi colors."},
  };
  for (const auto& [name, hint] : hints)
    QCOMPARE(shownToolTip(control<QWidget>(name)), QString::fromLatin1(hint));
  // The LF CR pairs show as line breaks.
  const QString tabSizeHint = QStringLiteral(
      "Tessaline replaces all tab characters with spaces.\nPlease indicate the number of spaces "
      "you "
      "want \nto use to represent a tab character.");
  QCOMPARE(shownToolTip(control<QWidget>("edTabSize")), tabSizeHint);
  QCOMPARE(shownToolTip(control<QWidget>("UpDown1")), tabSizeHint);
}

void SettingsDialogTest::firstOpeningShowsTheClassicScheme() {
  openDialog();
  QVERIFY(control<QRadioButton>("rbtnInCode")->isChecked());
  QCOMPARE(control<QListWidget>("ListBox1")->currentRow(), 0);
  QVERIFY(!control<QCheckBox>("chkBold")->isChecked());
  QVERIFY(control<QCheckBox>("chkItalic")->isChecked());
  QVERIFY(!control<QCheckBox>("chkUnderlined")->isChecked());
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("000080"));
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), QColor(0, 0, 0x80));
  QCOMPARE(control<QLineEdit>("edDefaultColor")->text(), QStringLiteral("000000"));
  QCOMPARE(control<QLineEdit>("edTabSize")->text(), QStringLiteral("2"));
  for (const char* name : {"edStyleClass", "edStyleSheet", "btnFind"})
    QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
  QCOMPARE(control<QLineEdit>("edStyleClass")->palette().color(QPalette::Base),
           dialog_->palette().color(QPalette::Button));
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("btnOK"));
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::enterAtOncePressesOkAndWritesEveryValue_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
  QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void SettingsDialogTest::enterAtOncePressesOkAndWritesEveryValue() {
  QFETCH(int, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  openDialog();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  QTRY_VERIFY(dialog_.isNull());

  // All 24 values of the first-run settings, as the WriteToRegistry tests spell them out.
  MemoryStore firstRun;
  WriteToRegistry(firstRun, classicHeld(), {FormattingMode::InCode, 2, false});
  QCOMPARE(storedFile(), formatRegFile(firstRun.tree()));
  QCOMPARE(conversions_, 1);
  QVERIFY(busyWhileConverting_);
  QCOMPARE(QApplication::overrideCursor(), nullptr);
  QCOMPARE(html_,
           std::vector<std::string>{"<b>begin</b> x := <font color=\"000080\">5</font>; <font "
                                    "color=\"000080\"><i>{ note }</i></font> s := <font "
                                    "color=\"000080\">'a'</font>; <b>end</b>;"});
}

void SettingsDialogTest::storeInStyleSheetModeOpensInThatMode() {
  HeldSettings held;
  held.Classes[0].StyleClass = "cmt";
  held.Classes[3].StyleClass = "str";
  held.StyleSheet = "site.css";
  saveStore(held, FormattingMode::StyleSheets);
  openDialog();

  QVERIFY(control<QRadioButton>("rbtnStyles")->isChecked());
  QCOMPARE(control<QLineEdit>("edStyleClass")->text(), QStringLiteral("cmt"));
  QCOMPARE(control<QLineEdit>("edStyleSheet")->text(), QStringLiteral("site.css"));
  for (const char* name :
       {"chkBold", "chkItalic", "chkUnderlined", "edHexValue", "edDefaultColor", "btnDefaults"})
    QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
  for (const char* name : {"edStyleClass", "edStyleSheet", "btnFind"})
    QVERIFY2(control<QWidget>(name)->isEnabled(), name);
  const QColor buttonFace = dialog_->palette().color(QPalette::Button);
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), buttonFace);
  QCOMPARE(control<QLineEdit>("edHexValue")->palette().color(QPalette::Base), buttonFace);

  typeInto("edStyleClass", QStringLiteral("remark"));
  QTest::mouseClick(control<QWidget>("btnOK"), Qt::LeftButton);
  QTRY_VERIFY(dialog_.isNull());
  QCOMPARE(storedValue("\\Style", "Comment"), textData("remark"));
  QCOMPARE(storedValue("", "Incode"), dwordData(0));
  QCOMPARE(html_, std::vector<std::string>{
                      "<span class=\"\">begin</span> x := <span class=\"\">5</span>; <span "
                      "class=\"remark\">{ note }</span> s := <span class=\"str\">'a'</span>; "
                      "<span class=\"\">end</span>;"});
}

void SettingsDialogTest::typedLettersBecomeUpperCaseAndEnterAcceptsThem() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("1a2b3c"));
  auto* box = control<QLineEdit>("edHexValue");
  QCOMPARE(box->text(), QStringLiteral("1A2B3C"));
  QTest::keyClick(box, Qt::Key_Return);
  QVERIFY(messages_->shown.isEmpty());
  QCOMPARE(box->selectedText(), QStringLiteral("1A2B3C"));
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), QColor(0x1A, 0x2B, 0x3C));
  QVERIFY(dialog_->isVisible());
  QCOMPARE(conversions_, 0);
}

void SettingsDialogTest::colourChecks_data() {
  QTest::addColumn<QString>("boxName");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("message");
  const int enter = Qt::Key_Return, tab = Qt::Key_Tab;
  QTest::newRow("five digits, Enter") << "edHexValue"
                                      << "12345" << enter << TooShort;
  QTest::newRow("five digits, Tab") << "edHexValue"
                                    << "12345" << tab << TooShort;
  QTest::newRow("five digits, Shift+Tab") << "edHexValue"
                                          << "12345" << int(Qt::Key_Backtab) << TooShort;
  QTest::newRow("a G, Enter") << "edHexValue"
                              << "12345G" << enter << NotHexadecimal;
  QTest::newRow("a g, Tab") << "edHexValue"
                            << "12345g" << tab << NotHexadecimal;
  QTest::newRow("empty, Tab") << "edHexValue"
                              << "" << tab << TooShort;
  QTest::newRow("default empty, Tab") << "edDefaultColor"
                                      << "" << tab << QString();
  QTest::newRow("default empty, Enter") << "edDefaultColor"
                                        << "" << enter << TooShort;
  QTest::newRow("default five digits, Tab") << "edDefaultColor"
                                            << "FFFFF" << tab << TooShort;
  QTest::newRow("default good, Tab") << "edDefaultColor"
                                     << "ffffff" << tab << QString();
}

void SettingsDialogTest::colourChecks() {
  QFETCH(QString, boxName);
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(QString, message);
  openDialog();
  const QByteArray name = boxName.toLatin1();
  typeInto(name.constData(), typed);
  auto* box = control<QLineEdit>(name.constData());
  QTest::keyClick(box, Qt::Key(key));
  QCoreApplication::processEvents();

  if (message.isEmpty()) {
    QVERIFY(messages_->shown.isEmpty());
    QVERIFY(QApplication::focusWidget() != box);
    return;
  }
  QCOMPARE(messages_->shown.size(), 1);
  const SeenBox& shown = messages_->shown.front();
  QCOMPARE(shown.title, QStringLiteral("Error"));
  QCOMPARE(shown.text, message);
  QCOMPARE(shown.icon, QMessageBox::Critical);
  QCOMPARE(shown.format, Qt::PlainText);
  QTRY_COMPARE(QApplication::focusWidget(), box);
  QCOMPARE(box->selectedText(), box->text());
}

void SettingsDialogTest::leavingForCancelShowsTheMessageFirst() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("12345"));
  QTest::mouseClick(control<QWidget>("btnCancel"), Qt::LeftButton);
  QCoreApplication::processEvents();
  QCOMPARE(messages_->shown.size(), 1);
  QCOMPARE(messages_->shown.front().text, TooShort);
  QVERIFY(!dialog_.isNull() && dialog_->isVisible());
  QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>("edHexValue"));

  // The next click is a click of its own.
  QTest::keyClick(control<QWidget>("edHexValue"), Qt::Key_End);
  QTest::keyClick(control<QWidget>("edHexValue"), Qt::Key_6);
  QTest::mouseClick(control<QWidget>("btnCancel"), Qt::LeftButton);
  QTRY_VERIFY(dialog_.isNull());
  QCOMPARE(messages_->shown.size(), 1);
  QVERIFY(storedValues().empty());
}

void SettingsDialogTest::editsSurviveListChangesAndCancelDiscardsThem() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("112233"));
  QTest::mouseClick(control<QWidget>("chkUnderlined"), Qt::LeftButton);
  clickRow(1);
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("000080"));
  QVERIFY(!control<QCheckBox>("chkUnderlined")->isChecked());
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("edHexValue"));
  clickRow(0);
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("112233"));
  QVERIFY(control<QCheckBox>("chkUnderlined")->isChecked());
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), QColor(0x11, 0x22, 0x33));

  QTest::mouseClick(control<QWidget>("btnCancel"), Qt::LeftButton);
  QTRY_VERIFY(dialog_.isNull());
  QVERIFY(storedValues().empty());
  QCOMPARE(conversions_, 0);
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::classicSettingsResetEveryClass() {
  HeldSettings held;
  for (ClassAttributes& attributes : held.Classes)
    attributes = {true, true, true, "ABCDEF", "name"};
  held.DefaultColor = "FEDCBA";
  saveStore(held, FormattingMode::InCode);
  openDialog();
  clickRow(3);
  typeInto("edDefaultColor", QStringLiteral("111111"));
  QTest::mouseClick(control<QWidget>("btnDefaults"), Qt::LeftButton);

  for (int position = 0; position < TokenClassCount; ++position) {
    ClassAttributes expected = ClassicSettings[position];
    expected.StyleClass = "name";
    QCOMPARE(context().held.Classes[position], expected);
  }
  QCOMPARE(control<QLineEdit>("edDefaultColor")->text(), QStringLiteral("FEDCBA"));
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("000080"));
  QVERIFY(!control<QCheckBox>("chkBold")->isChecked());
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), QColor(0, 0, 0x80));
  QVERIFY(control<QRadioButton>("rbtnInCode")->isChecked());
}

void SettingsDialogTest::modeSwitchesKeepAnUncommittedColour() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("445566"));
  QTest::mouseClick(control<QWidget>("rbtnStyles"), Qt::LeftButton);
  QVERIFY(control<QRadioButton>("rbtnStyles")->isChecked());
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("edStyleClass"));
  QVERIFY(!control<QWidget>("edHexValue")->isEnabled());
  QTest::mouseClick(control<QWidget>("rbtnInCode"), Qt::LeftButton);
  QVERIFY(control<QRadioButton>("rbtnInCode")->isChecked());
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("445566"));
  QVERIFY(control<QWidget>("edHexValue")->isEnabled());
  QVERIFY(!control<QWidget>("edStyleClass")->isEnabled());
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("rbtnInCode"));
  QCOMPARE(control<QFrame>("Panel1")->palette().color(QPalette::Window), QColor(0x44, 0x55, 0x66));
  // A click on the mode already chosen changes nothing.
  typeInto("edHexValue", QStringLiteral("778899"));
  QTest::mouseClick(control<QWidget>("rbtnInCode"), Qt::LeftButton);
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("778899"));
  QCOMPARE(context().held.Classes[0].Color, "445566");
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::clickOnMainWindowNeitherChecksNorKeepsTheActivation() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("12"));
  QList<QWindow*> activated;
  connect(qApp, &QGuiApplication::focusWindowChanged, dialog_,
          [&activated](QWindow* window) { activated.append(window); });
  window().activateWindow();
  QTRY_VERIFY(activated.contains(window().windowHandle()));
  QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog_.data()));
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("edHexValue"));
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("12"));
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::tabSizeStepsWithinItsLimits() {
  openDialog();
  auto* box = control<QLineEdit>("edTabSize");
  QVERIFY(box->isReadOnly());
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Up);
  QCOMPARE(box->text(), QStringLiteral("3"));
  QTest::keyClicks(box, QStringLiteral("7"));
  QTest::keyClick(box, Qt::Key_Backspace);
  QCOMPARE(box->text(), QStringLiteral("3"));
  for (int step = 0; step < 120; ++step) QTest::keyClick(box, Qt::Key_Down);
  QCOMPARE(box->text(), QStringLiteral("0"));

  auto* arrows = control<QWidget>("UpDown1");
  QCOMPARE(arrows->focusPolicy(), Qt::NoFocus);
  const QList<QToolButton*> buttons = arrows->findChildren<QToolButton*>();
  QCOMPARE(buttons.size(), 2);
  QToolButton* up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
  QToolButton* down = up == buttons[0] ? buttons[1] : buttons[0];
  QTest::mouseClick(down, Qt::LeftButton);
  QCOMPARE(box->text(), QStringLiteral("0"));
  for (int step = 0; step < 120; ++step) up->click();
  QCOMPARE(box->text(), QStringLiteral("99"));
  QTest::mouseClick(down, Qt::LeftButton);
  QCOMPARE(box->text(), QStringLiteral("98"));
  QCOMPARE(QApplication::focusWidget(), box);

  QTest::mouseClick(control<QWidget>("btnOK"), Qt::LeftButton);
  QTRY_VERIFY(dialog_.isNull());
  QCOMPARE(storedValue("", "TabSize"), dwordData(98));
}

void SettingsDialogTest::enterElsewhereDoesNothing() {
  openDialog();
  auto* list = control<QWidget>("ListBox1");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  auto* bold = control<QCheckBox>("chkBold");
  bold->setFocus();
  QTest::keyClick(bold, Qt::Key_Return);
  QVERIFY(!bold->isChecked());
  QTest::keyClick(bold, Qt::Key_Space);
  QVERIFY(bold->isChecked());
  QVERIFY(context().held.Classes[0].Bold);
  QVERIFY(dialog_->isVisible());
  QCOMPARE(conversions_, 0);

  auto* cancel = control<QWidget>("btnCancel");
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);
  QTRY_VERIFY(dialog_.isNull());
  QVERIFY(storedValues().empty());
}

void SettingsDialogTest::everyLabelledControlHasAnAccessLetterOfItsOwn_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("captionOf");  // the control itself, its label or its group
  QTest::addColumn<QString>("letter");
  const struct {
    const char* name;
    const char* captionOf;
    const char* letter;
  } rows[] = {{"rbtnStyles", "itself", "S"},    {"rbtnInCode", "itself", "I"},
              {"btnDefaults", "itself", "L"},   {"edTabSize", "label", "T"},
              {"chkBold", "itself", "B"},       {"chkItalic", "itself", "A"},
              {"chkUnderlined", "itself", "U"}, {"edHexValue", "label", "H"},
              {"edDefaultColor", "label", "D"}, {"edStyleClass", "group", "C"},
              {"edStyleSheet", "group", "E"},   {"btnFind", "itself", "F"},
              {"btnOK", "itself", "O"},         {"btnCancel", "itself", "N"}};
  for (const auto& row : rows) QTest::newRow(row.name) << row.name << row.captionOf << row.letter;
}

void SettingsDialogTest::everyLabelledControlHasAnAccessLetterOfItsOwn() {
  QFETCH(QString, name);
  QFETCH(QString, captionOf);
  QFETCH(QString, letter);
  openDialog();
  auto* labelled = control<QWidget>(qPrintable(name));
  QString caption;
  if (captionOf == "itself") caption = qobject_cast<QAbstractButton*>(labelled)->text();
  if (captionOf == "group") caption = qobject_cast<QGroupBox*>(labelled->parentWidget())->title();
  for (const QLabel* label : dialog_->findChildren<QLabel*>())
    if (captionOf == "label" && label->buddy() == labelled) caption = label->text();
  QCOMPARE(QString(accessLetter(caption)), letter);

  QStringList captions;
  for (const QAbstractButton* button : dialog_->findChildren<QAbstractButton*>())
    captions << button->text();
  for (const QLabel* label : dialog_->findChildren<QLabel*>()) captions << label->text();
  for (const QGroupBox* group : dialog_->findChildren<QGroupBox*>()) captions << group->title();
  int alike = 0;
  for (const QString& other : std::as_const(captions))
    if (QString(accessLetter(other)) == letter) ++alike;
  QCOMPARE(alike, 1);
}

void SettingsDialogTest::okShowsItsFocusRingAtOpening() {
  openDialog();
  auto* ok = control<QPushButton>("btnOK");
  QCOMPARE(QApplication::focusWidget(), ok);
  const QImage focused = ok->grab().toImage();
  control<QWidget>("btnCancel")->setFocus();
  const QImage unfocused = ok->grab().toImage();
  QVERIFY2(focused != unfocused, "OK looks the same with and without the focus");
}

void SettingsDialogTest::findPutsTheChosenSheetInTheBox() {
  saveStore(classicHeld(), FormattingMode::StyleSheets);
  openDialog();
  const QList<FileDialogOptions> made = styleSheetDialogsMade();
  QCOMPARE(made.size(), 1);
  const FileDialogOptions& options = made.front();
  QCOMPARE(options.objectName, QStringLiteral("OpenDialog1"));
  QCOMPARE(options.kind, FileDialogOptions::Kind::Open);
  QCOMPARE(options.initialFilter, 1);
  QCOMPARE(options.filters.size(), 2);
  QCOMPARE(options.filters[0].description, QStringLiteral("CSS Document (*.css)"));
  QCOMPARE(options.filters[0].patterns, QStringList{"*.CSS"});
  QCOMPARE(options.filters[1].description, QStringLiteral("All Files (*.*)"));
  QCOMPARE(options.filters[1].patterns, QStringList{"*"});

  const QString chosen = QStringLiteral("/srv/styles/s\u00e9rie.css");
  dialogs().open.answers.push_back(DialogAnswer{chosen});
  QTest::mouseClick(control<QWidget>("btnFind"), Qt::LeftButton);
  QCOMPARE(control<QLineEdit>("edStyleSheet")->text(), chosen);
  dialogs().open.answers.push_back(std::nullopt);
  QTest::mouseClick(control<QWidget>("btnFind"), Qt::LeftButton);
  QCOMPARE(control<QLineEdit>("edStyleSheet")->text(),
           QStringLiteral("/srv/styles/s\u00e9rie.css"));
  QCOMPARE(context().held.StyleSheet, "/srv/styles/s\xC3\xA9rie.css");

  QTest::mouseClick(control<QWidget>("btnOK"), Qt::LeftButton);
  QTRY_VERIFY(dialog_.isNull());
  QCOMPARE(storedValue("\\Style", "Sheet"), textData("/srv/styles/s\xC3\xA9rie.css"));
}

void SettingsDialogTest::storeWithOnlyStyleKeyChoosesNoMode() {
  // A hand-made file: the settings key has no block of its own.
  QFile file(QString::fromStdString(storePath()));
  QVERIFY(QDir().mkpath(QFileInfo(file).path()));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(
      "REGEDIT4\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings\\Style]\r\n"
      "\"Comment\"=\"cmt\"\r\n\"Sheet\"=\"site.css\"\r\n\r\n");
  file.close();
  openDialog();

  QVERIFY(messages_->shown.isEmpty());
  QVERIFY(!control<QRadioButton>("rbtnInCode")->isChecked());
  QVERIFY(!control<QRadioButton>("rbtnStyles")->isChecked());
  QCOMPARE(context().held.Classes[0], (ClassAttributes{false, false, false, "", "cmt"}));
  QCOMPARE(context().held.DefaultColor, "");
  QCOMPARE(control<QLineEdit>("edStyleClass")->text(), QStringLiteral("cmt"));
  QCOMPARE(control<QLineEdit>("edStyleSheet")->text(), QStringLiteral("site.css"));
  QVERIFY(!control<QWidget>("edHexValue")->isEnabled());
  QCOMPARE(QApplication::focusWidget(), control<QWidget>("btnOK"));
}

void SettingsDialogTest::missingTabSizeStopsTheLoad() {
  QVERIFY(store().openKey(SettingsKey, true));
  store().writeFlag("Incode", false);
  store().writeText("DefaultColor", "123456");
  store().closeKey();
  openDialog();
  QTRY_COMPARE(messages_->shown.size(), 1);
  QCOMPARE(messages_->shown.front().title, QStringLiteral("Tessaline"));
  QCOMPARE(messages_->shown.front().text,
           QString::fromStdString("Cannot read settings file '" + storePath() +
                                  "': Failed to get data for 'TabSize'"));
  QVERIFY(control<QRadioButton>("rbtnStyles")->isChecked());
  QCOMPARE(context().held.DefaultColor, "");
  QVERIFY(dialog_->isVisible());
  // The dialog stays usable: its controls suit the mode read, and the mode
  // buttons answer again.
  QVERIFY(control<QWidget>("edStyleClass")->isEnabled());
  QVERIFY(!control<QWidget>("edHexValue")->isEnabled());
  QTest::mouseClick(control<QWidget>("rbtnInCode"), Qt::LeftButton);
  QVERIFY(control<QWidget>("edHexValue")->isEnabled());
  QVERIFY(!control<QWidget>("edStyleClass")->isEnabled());
  QCOMPARE(messages_->shown.size(), 1);
}

void SettingsDialogTest::writeFailureKeepsTheDialogOpen() {
  settingsFile().refusesWrites = true;
  openDialog();
  typeInto("edHexValue", QStringLiteral("112233"));
  QTest::mouseClick(control<QWidget>("btnOK"), Qt::LeftButton);
  QTRY_COMPARE(messages_->shown.size(), 1);
  QCOMPARE(messages_->shown.front().title, QStringLiteral("Tessaline"));
  QCOMPARE(messages_->shown.front().text,
           QString::fromStdString("Failed to set data for '" + storePath() +
                                  "': Read-only file system."));
  QVERIFY(!dialog_.isNull() && dialog_->isVisible());
  QCOMPARE(conversions_, 0);
  QCOMPARE(control<QListWidget>("ListBox1")->currentRow(), 1);
  QCOMPARE(context().held.Classes[0].Color, "112233");
  QVERIFY(storedValues().empty());
}

void SettingsDialogTest::choosingAClassSelectsTheWholeBox_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("shown");
  QTest::newRow("in-code") << int(FormattingMode::InCode) << "edHexValue"
                           << "FF0000";
  QTest::newRow("style sheets") << int(FormattingMode::StyleSheets) << "edStyleClass"
                                << "num";
}

void SettingsDialogTest::choosingAClassSelectsTheWholeBox() {
  QFETCH(int, mode);
  QFETCH(QString, box);
  QFETCH(QString, shown);
  HeldSettings held = classicHeld();
  held.Classes[1].Color = "FF0000";
  held.Classes[1].StyleClass = "num";
  saveStore(held, FormattingMode(mode));
  openDialog();
  clickRow(1);
  auto* edit = control<QLineEdit>(box.toLatin1().constData());
  QCOMPARE(QApplication::focusWidget(), edit);
  QCOMPARE(edit->text(), shown);
  QCOMPARE(edit->selectedText(), shown);
  // Typing replaces the whole text.
  QTest::keyClicks(edit, "00ff00");
  QCOMPARE(edit->text(), mode == int(FormattingMode::InCode) ? "00FF00" : "00ff00");
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::arrowKeysChooseTheModeAsAClickDoes() {
  openDialog();
  typeInto("edHexValue", QStringLiteral("445566"));
  auto* styles = control<QRadioButton>("rbtnStyles");
  auto* inCode = control<QRadioButton>("rbtnInCode");
  auto* styleClass = control<QLineEdit>("edStyleClass");
  const struct {
    Qt::Key key;
    QRadioButton* chosen;
    QWidget* focused;
  } steps[] = {
      {Qt::Key_Left, styles, styleClass},
      {Qt::Key_Right, inCode, inCode},
      {Qt::Key_Up, styles, styleClass},
      {Qt::Key_Down, inCode, inCode},
  };
  for (const auto& step : steps) {
    QRadioButton* from = step.chosen == styles ? inCode : styles;
    from->setFocus();
    QTest::keyClick(from, step.key);
    QVERIFY(step.chosen->isChecked());
    QCOMPARE(QApplication::focusWidget(), step.focused);
    QCOMPARE(control<QWidget>("edHexValue")->isEnabled(), step.chosen == inCode);
    QCOMPARE(styleClass->isEnabled(), step.chosen == styles);
  }
  // The switch to style sheets committed the colour, as a click does.
  QCOMPARE(context().held.Classes[0].Color, "445566");
  QCOMPARE(control<QLineEdit>("edHexValue")->text(), QStringLiteral("445566"));
  QVERIFY(messages_->shown.isEmpty());
}

void SettingsDialogTest::dialogUsesTheWindowFontAndCaptionsFit() {
  openDialog();
  const QFont font = dialog_->font();
  QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
  QCOMPARE(font.pointSize(), 8);
  const QString shown = QFontInfo(font).family();
  QVERIFY2(shown == "MS Sans Serif" || shown == "Liberation Sans", qPrintable(shown));

  // A push button's caption needs a few pixels of its frame on either side.
  constexpr int ButtonFrame = 2 * 6;
  for (const QAbstractButton* button : dialog_->findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty()) continue;  // the tab size's arrows
    const int needed = qobject_cast<const QPushButton*>(button)
                           ? button->fontMetrics().horizontalAdvance(button->text()) + ButtonFrame
                           : button->sizeHint().width();
    QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
    QVERIFY2(button->sizeHint().height() <= button->height() + 2, qPrintable(button->objectName()));
  }
  for (const QLabel* label : dialog_->findChildren<QLabel*>())
    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
  // The title stands in the frame's top line, away from its corners.
  constexpr int TitleIndent = 2 * 8;
  for (const QGroupBox* group : dialog_->findChildren<QGroupBox*>())
    QVERIFY2(group->fontMetrics().horizontalAdvance(group->title()) + TitleIndent <= group->width(),
             qPrintable(group->title()));
}

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
