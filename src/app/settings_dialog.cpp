#include "app/settings_dialog.h"

#include "app/app_context.h"
#include "app/class_list.h"
#include "app/click_dropper.h"
#include "app/colour_box.h"
#include "app/tab_size_box.h"
#include "app/up_down_arrows.h"
#include "gui/activation_keeper.h"
#include "gui/busy_cursor.h"
#include "gui/display_text.h"
#include "gui/error_box.h"
#include "gui/file_dialog.h"
#include "gui/fixed_texts.h"
#include "gui/window_parts.h"
#include "settings/colour_text.h"
#include "settings/settings_io.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace {

constexpr QSize ClientSize(480, 370);

FileDialogOptions styleSheetDialogOptions() {
  return {FileDialogOptions::Kind::Open,
          QStringLiteral("OpenDialog1"),
          {{QStringLiteral("CSS Document (*.css)"), {QStringLiteral("*.CSS")}},
           {QStringLiteral("All Files (*.*)"), {QStringLiteral("*")}}},
          1};
}

/// Gives a text box the window colour when usable, else the button-face colour.
void showUsable(QLineEdit* box, bool usable, const QPalette& colours) {
  box->setEnabled(usable);
  QPalette look = box->palette();
  look.setColor(QPalette::Base, colours.color(usable ? QPalette::Base : QPalette::Button));
  box->setPalette(look);
}

void paintSwatch(QFrame* swatch, const QColor& colour) {
  QPalette look = swatch->palette();
  look.setColor(QPalette::Window, colour);
  swatch->setPalette(look);
}

}  // namespace

SettingsDialog::SettingsDialog(AppContext& context, ActivationKeeper& keeper,
                               std::function<void()> convertSource, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      context_(context),
      keeper_(keeper),
      convertSource_(std::move(convertSource)),
      controls_(*this),
      styleSheetDialog_(context_.fileDialogs(this, styleSheetDialogOptions())),
      clickDropper_(new ClickDropper(this)) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(kSettingsCaption);
  setFont(windowFont());
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ClientSize);
  connectHandlers();
  initialize();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::initialize() {
  ClosingFlag = false;
  LoadingFlag = false;
  controls_.classList->setCurrentRow(0);
  PreviousIndex = 0;
  const QString tabSizeHint = plainToolTip(QString::fromUtf8(TabSizeHint));
  controls_.edTabSize->setToolTip(tabSizeHint);
  controls_.tabSizeArrows->setToolTip(tabSizeHint);
}

void SettingsDialog::connectHandlers() {
  const SettingsDialogControls& c = controls_;
  connect(c.classList, &QListWidget::currentRowChanged, this, &SettingsDialog::showClass);
  connect(c.rbtnStyles, &QRadioButton::toggled, this, [this](bool chosen) {
    if (chosen) chooseStyleSheetMode();
  });
  connect(c.rbtnInCode, &QRadioButton::toggled, this, [this](bool chosen) {
    if (chosen) chooseInCodeMode();
  });
  const std::pair<QCheckBox*, bool ClassAttributes::*> attributeBoxes[] = {
      {c.chkBold, &ClassAttributes::Bold},
      {c.chkItalic, &ClassAttributes::Italic},
      {c.chkUnderlined, &ClassAttributes::Underlined}};
  for (const auto& [box, flag] : attributeBoxes)
    connect(box, &QCheckBox::toggled, this,
            [this, flag = flag](bool state) { storeAttribute(flag, state); });
  for (ColourBox* box : {c.edHexValue, c.edDefaultColor}) {
    connect(box, &ColourBox::enterPressed, this, [this, box] { confirmColour(box); });
    connect(box, &ColourBox::left, this,
            [this, box](Qt::FocusReason reason) { leaveColourBox(box, reason); });
  }
  connect(c.btnDefaults, &QPushButton::clicked, this, &SettingsDialog::restoreDefaults);
  connect(c.edStyleClass, &TextBox::left, this, &SettingsDialog::leaveStyleClass);
  connect(c.edStyleSheet, &TextBox::left, this, &SettingsDialog::leaveStyleSheet);
  connect(c.btnFind, &QPushButton::clicked, this, &SettingsDialog::chooseStyleSheets);
  connect(c.btnOK, &QPushButton::clicked, this, &SettingsDialog::accept);
  connect(c.btnCancel, &QPushButton::clicked, this, &SettingsDialog::reject);
}

void SettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (loadStarted_) return;
  loadStarted_ = true;
  centreOnDesktop(this);
  keeper_.keep(this);
  // After the showing, so that the window is up before a read error is shown.
  QMetaObject::invokeMethod(this, &SettingsDialog::startFirstLoad, Qt::QueuedConnection);
}

void SettingsDialog::startFirstLoad() {
  if (ClosingFlag) return;
  raise();
  activateWindow();
  runHere([this] { loadSequence(); });
}

void SettingsDialog::loadSequence() {
  DialogSettingsState state = dialogState();
  bool found = false;
  try {
    found = LoadFromRegistry(context_.store, context_.held, state);
  } catch (const std::exception&) {
    // The load stops where the read failed, but the dialog stays usable: what
    // it read so far shows, the mode buttons answer again and the controls
    // suit the mode that was read.
    showDialogState(state);
    LoadingFlag = false;
    firstLoad();
    throw;
  }
  if (!found) applyFirstRunDefaults(context_.held, state);
  showDialogState(state);
  LoadingFlag = false;
  firstLoad();
}

void SettingsDialog::firstLoad() {
  const SettingsDialogControls& c = controls_;
  if (inCodeMode()) {
    loadAttributes(selectedClass());
    displayColour();
    enableStyleControls(false);
  } else {
    c.edStyleClass->setText(displayText(selectedClass().StyleClass));
    c.edStyleSheet->setText(displayText(context_.held.StyleSheet));
    enableInCodeControls(false);
  }
  c.btnOK->setFocus();
  // The focus ring shows from the opening, not only after the first Tab.
  setAttribute(Qt::WA_KeyboardFocusChange);
  update();
}

void SettingsDialog::showClass(int position) {
  if (position == PreviousIndex || position < 0) return;
  const SettingsDialogControls& c = controls_;
  auto& classes = context_.held.Classes;
  // A click on a class goes on to its box; the arrow keys stay in the list,
  // so that they walk it.
  const bool clicked = c.classList->choosingByMouse();
  if (inCodeMode()) {
    commitColours(PreviousIndex);
    loadAttributes(classes[position]);
    displayColour();
    if (clicked) c.edHexValue->setFocus();
  } else {
    classes[PreviousIndex].StyleClass = heldText(c.edStyleClass->text());
    c.edStyleClass->setText(displayText(classes[position].StyleClass));
    if (clicked) c.edStyleClass->setFocus();
  }
  PreviousIndex = position;
}

void SettingsDialog::chooseStyleSheetMode() {
  if (LoadingFlag) return;
  const SettingsDialogControls& c = controls_;
  enableInCodeControls(false);
  commitColours(selectedPosition());
  c.edStyleSheet->setText(displayText(context_.held.StyleSheet));
  c.edStyleClass->setText(displayText(selectedClass().StyleClass));
  enableStyleControls(true);
  c.edStyleClass->setFocus();
}

void SettingsDialog::chooseInCodeMode() {
  if (LoadingFlag) return;
  enableInCodeControls(true);
  loadAttributes(selectedClass());
  displayColour();
  enableStyleControls(false);
}

void SettingsDialog::storeAttribute(bool ClassAttributes::*flag, bool state) {
  selectedClass().*flag = state;
}

void SettingsDialog::confirmColour(ColourBox* box) {
  if (!validateHexValue(box)) return;
  box->selectAll();
  displayColour();
}

void SettingsDialog::leaveColourBox(ColourBox* box, Qt::FocusReason reason) {
  // While a message is up its box holds the focus: one leaving, one message.
  if (ClosingFlag || validating_) return;
  if (box == controls_.edDefaultColor && box->text().isEmpty()) return;
  if (validateHexValue(box)) {
    displayColour();
    return;
  }
  box->setFocus();
  if (reason == Qt::MouseFocusReason) clickDropper_->dropPendingClick();
}

bool SettingsDialog::validateHexValue(ColourBox* box) {
  const HexVerdict verdict = hexVerdict(heldText(box->text()));
  if (verdict == HexVerdict::Accepted) return true;
  {
    const QScopedValueRollback whileShown(validating_, true);
    showRejection(displayText(hexRejectionMessage(verdict)));
  }
  box->selectAll();
  return false;
}

void SettingsDialog::displayColour() {
  const auto parts = colourParts(heldText(controls_.edHexValue->text()));
  paintSwatch(controls_.colourSwatch, parts ? QColor(parts->red, parts->green, parts->blue)
                                            : palette().color(QPalette::Button));
}

void SettingsDialog::loadAttributes(const ClassAttributes& attributes) {
  const SettingsDialogControls& c = controls_;
  c.chkBold->setChecked(attributes.Bold);
  c.chkItalic->setChecked(attributes.Italic);
  c.chkUnderlined->setChecked(attributes.Underlined);
  c.edHexValue->setText(displayText(attributes.Color));
  c.edDefaultColor->setText(displayText(context_.held.DefaultColor));
}

void SettingsDialog::restoreDefaults() {
  loadAttributes(ClassicSettings[selectedPosition()]);
  for (int position = 0; position < TokenClassCount; ++position) {
    ClassAttributes& held = context_.held.Classes[position];
    const ClassAttributes& classic = ClassicSettings[position];
    held.Bold = classic.Bold;
    held.Italic = classic.Italic;
    held.Underlined = classic.Underlined;
    held.Color = classic.Color;
  }
  displayColour();
}

void SettingsDialog::leaveStyleClass() {
  selectedClass().StyleClass = heldText(controls_.edStyleClass->text());
}

void SettingsDialog::leaveStyleSheet() {
  context_.held.StyleSheet = heldText(controls_.edStyleSheet->text());
}

void SettingsDialog::chooseStyleSheets() {
  const bool chosen = styleSheetDialog_->execute();
  activateWindow();
  if (!chosen) return;
  context_.held.StyleSheet = heldText(styleSheetDialog_->fileName());
  controls_.edStyleSheet->setText(styleSheetDialog_->fileName());
}

void SettingsDialog::accept() {
  runHere([this] {
    const SettingsDialogControls& c = controls_;
    const int position = c.classList->currentRow();
    c.classList->setCurrentRow(position < 0 || position == TokenClassCount - 1 ? 0 : position + 1);
    if (c.rbtnStyles->isChecked()) context_.held.StyleSheet = heldText(c.edStyleSheet->text());
    WriteToRegistry(context_.store, context_.held, dialogState());
    {
      const BusyCursor busy;
      convertSource_();
    }
    close();
  });
}

void SettingsDialog::reject() { close(); }

void SettingsDialog::closeEvent(QCloseEvent* event) {
  ClosingFlag = true;
  keeper_.release(this);
  event->accept();
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      reject();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The buttons are no default buttons, so Enter reaches the dialog.
      if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
        button->click();
      break;
    default:
      QDialog::keyPressEvent(event);
      return;
  }
  event->accept();
}

bool SettingsDialog::runHere(const std::function<void()>& command) {
  if (runCommand(this, command)) return true;
  activateWindow();
  return false;
}

void SettingsDialog::commitColours(int position) {
  auto& held = context_.held;
  held.Classes[position].Color = heldText(controls_.edHexValue->text().left(ColourTextLength));
  held.DefaultColor = heldText(controls_.edDefaultColor->text());
}

void SettingsDialog::enableInCodeControls(bool enabled) {
  const SettingsDialogControls& c = controls_;
  for (QCheckBox* box : {c.chkBold, c.chkItalic, c.chkUnderlined}) box->setEnabled(enabled);
  showUsable(c.edHexValue, enabled, palette());
  showUsable(c.edDefaultColor, enabled, palette());
  if (!enabled) paintSwatch(c.colourSwatch, palette().color(QPalette::Button));
  c.btnDefaults->setEnabled(enabled);
}

void SettingsDialog::enableStyleControls(bool enabled) {
  const SettingsDialogControls& c = controls_;
  showUsable(c.edStyleClass, enabled, palette());
  showUsable(c.edStyleSheet, enabled, palette());
  c.btnFind->setEnabled(enabled);
}

DialogSettingsState SettingsDialog::dialogState() const {
  const SettingsDialogControls& c = controls_;
  DialogSettingsState state;
  if (c.rbtnInCode->isChecked()) state.Mode = FormattingMode::InCode;
  if (c.rbtnStyles->isChecked()) state.Mode = FormattingMode::StyleSheets;
  state.TabSize = c.tabSizeArrows->position();
  state.LoadingFlag = LoadingFlag;
  return state;
}

void SettingsDialog::showDialogState(const DialogSettingsState& state) {
  LoadingFlag = state.LoadingFlag;
  if (state.Mode == FormattingMode::InCode) controls_.rbtnInCode->setChecked(true);
  if (state.Mode == FormattingMode::StyleSheets) controls_.rbtnStyles->setChecked(true);
  controls_.tabSizeArrows->setPosition(state.TabSize);
}

void SettingsDialog::showRejection(const QString& message) {
  QMessageBox box(QMessageBox::Critical, kErrorTitle, message, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  activateWindow();
}

int SettingsDialog::selectedPosition() const {
  return std::max(0, controls_.classList->currentRow());
}

ClassAttributes& SettingsDialog::selectedClass() {
  return context_.held.Classes[selectedPosition()];
}

bool SettingsDialog::inCodeMode() const { return controls_.rbtnInCode->isChecked(); }
