#include "app/settings_dialog_controls.h"

#include "app/class_list.h"
#include "app/colour_box.h"
#include "app/tab_size_box.h"
#include "app/up_down_arrows.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

const char* const TabSizeHint =
    "Tessaline replaces all tab characters with spaces.\n\rPlease indicate the number of spaces "
    "you want \n\rto use to represent a tab character.";

QString plainToolTip(const QString& hint) {
  QString shown = hint;
  // The line breaks of a hint are LF CR pairs; the CR shows as nothing.
  shown.remove(QLatin1Char('\r'));
  return QStringLiteral("<p style='white-space:pre'>") + shown.toHtmlEscaped() +
         QStringLiteral("</p>");
}

namespace {

constexpr int TabSizeLimit = 99;
constexpr int FirstTabSize = 2;

template <typename Control>
Control* place(Control* control, const char* name, QRect geometry, const char* hint = nullptr) {
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  if (hint != nullptr) control->setToolTip(plainToolTip(QString::fromUtf8(hint)));
  return control;
}

QGroupBox* groupBox(QWidget* parent, const char* caption, QRect geometry) {
  auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
  box->setGeometry(geometry);
  return box;
}

/// A caption whose access letter moves the focus to the control it labels.
void label(QWidget* parent, const char* caption, QRect geometry, QWidget* labelled) {
  auto* made = new QLabel(QString::fromLatin1(caption), parent);
  made->setGeometry(geometry);
  made->setBuddy(labelled);
}

QPushButton* button(QWidget* parent, const char* caption) {
  auto* made = new QPushButton(QString::fromLatin1(caption), parent);
  // Neither a default nor an automatic default: Enter presses the focused
  // button through the dialog, and nowhere else.
  made->setAutoDefault(false);
  made->setDefault(false);
  return made;
}

/// A text-attribute checkbox whose caption shows the attribute itself.
QCheckBox* attributeBox(QWidget* parent, const char* caption, void (QFont::*attribute)(bool)) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  QFont look(QStringLiteral("Courier New"));
  look.setPixelSize(11);
  (look.*attribute)(true);
  box->setFont(look);
  return box;
}

/// Only the chosen mode button is a Tab stop; with none chosen, neither is.
void tabStopWhenChosen(QRadioButton* modeButton) {
  modeButton->setFocusPolicy(Qt::ClickFocus);
  QObject::connect(modeButton, &QRadioButton::toggled, modeButton, [modeButton](bool chosen) {
    modeButton->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
  });
}

/// The arrow keys on one mode button choose the other as a click on it
/// would: the focus goes there first, then the click runs its handler, which
/// may move the focus on. Qt's own arrow handling would put the focus back
/// on the button after the handler.
class ArrowsChooseOther : public QObject {
 public:
  ArrowsChooseOther(QRadioButton* button, QRadioButton* other) : QObject(button), other_(other) {
    button->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        if (other_->isEnabled()) {
          other_->setFocus(Qt::TabFocusReason);
          other_->click();
        }
        return true;
      default:
        return false;
    }
  }

 private:
  QRadioButton* other_;
};

QFrame* swatch(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAutoFillBackground(true);
  return panel;
}

}  // namespace

SettingsDialogControls::SettingsDialogControls(QDialog& dialog) {
  // Every caption has an access letter of its own: S, I, L, T, B, A, U, H,
  // D, C, E, F, O and N.
  QGroupBox* output = groupBox(&dialog, " Output Settings ", {8, 8, 464, 290});
  rbtnStyles = place(new QRadioButton(QStringLiteral("Use &Style Sheets"), output), "rbtnStyles",
                     {14, 26, 132, 20},
                     "Select this if you want the document to be formatted using cascading style "
                     "sheets (CSS).");
  rbtnInCode =
      place(new QRadioButton(QStringLiteral("Use &In-Code Formatting"), output), "rbtnInCode",
            {150, 26, 170, 20},
            "Select this if you wish Tessaline to use incode formatting - <font>, <b>, <i> tags "
            "etc).");
  btnDefaults = place(button(output, "Use C&lassic Settings"), "btnDefaults", {322, 22, 130, 27},
                      "Resets all the in-code formatting to the classic delphi colors.");
  classList = place(new ClassList(output), "ListBox1", {14, 62, 120, 4 * ClassList::RowHeight + 4});

  tabSizeArrows =
      place(new UpDownArrows(0, TabSizeLimit, FirstTabSize, output), "UpDown1", {116, 140, 17, 22});
  edTabSize = place(new TabSizeBox(*tabSizeArrows, output), "edTabSize", {76, 140, 40, 22});
  label(output, "&Tab Size:", {14, 140, 60, 22}, edTabSize);

  QGroupBox* attributes = groupBox(output, " Text Attributes ", {146, 56, 146, 150});
  chkBold = place(attributeBox(attributes, "&Bold", &QFont::setBold), "chkBold", {12, 30, 126, 22});
  chkItalic =
      place(attributeBox(attributes, "It&alic", &QFont::setItalic), "chkItalic", {12, 66, 126, 22});
  chkUnderlined = place(attributeBox(attributes, "&Underlined", &QFont::setUnderline),
                        "chkUnderlined", {12, 102, 126, 22});

  QGroupBox* colour = groupBox(output, " Color ", {304, 56, 148, 150});
  edHexValue = place(new ColourBox(colour), "edHexValue", {66, 26, 70, 22},
                     "Enter the hexadecimal value for the text color.");
  label(colour, "&Hex:", {12, 26, 52, 22}, edHexValue);
  colourSwatch = place(swatch(colour), "Panel1", {66, 56, 70, 50});
  edDefaultColor =
      place(new ColourBox(colour), "edDefaultColor", {66, 116, 70, 22},
            "Enter the default color for text in your webpage. (Usually 000000 - black).");
  label(colour, "&Default:", {12, 116, 52, 22}, edDefaultColor);
  edDefaultColor->setText(QStringLiteral("000000"));

  // A group's access letter moves the focus to the box inside it.
  QGroupBox* styleClass = groupBox(output, " Style &Class ", {14, 216, 160, 60});
  edStyleClass = place(new TextBox(styleClass), "edStyleClass", {10, 26, 140, 22});
  QGroupBox* styleSheet = groupBox(output, " Style Sh&eet (Optional) ", {184, 216, 268, 60});
  edStyleSheet = place(new TextBox(styleSheet), "edStyleSheet", {10, 26, 170, 22});
  btnFind = place(button(styleSheet, "&Find..."), "btnFind", {186, 24, 72, 27});

  btnOK = place(button(&dialog, "&OK"), "btnOK", {300, 326, 80, 30});
  btnCancel = place(button(&dialog, "Ca&ncel"), "btnCancel", {388, 326, 80, 30});

  tabStopWhenChosen(rbtnStyles);
  tabStopWhenChosen(rbtnInCode);
  new ArrowsChooseOther(rbtnStyles, rbtnInCode);
  new ArrowsChooseOther(rbtnInCode, rbtnStyles);
  // Tab follows the layout: row by row from the top, and within a row each
  // column from the top, left to right.
  QWidget* const tabOrder[] = {rbtnStyles, rbtnInCode,     btnDefaults,  classList,
                               edTabSize,  chkBold,        chkItalic,    chkUnderlined,
                               edHexValue, edDefaultColor, edStyleClass, edStyleSheet,
                               btnFind,    btnOK,          btnCancel};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}
