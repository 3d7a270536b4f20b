#pragma once

#include <QString>

class ClassList;
class ColourBox;
class QCheckBox;
class QDialog;
class QFrame;
class QPushButton;
class QRadioButton;
class TabSizeBox;
class TextBox;
class UpDownArrows;

/// The controls of the settings dialog, made with their captions and access
/// letters, initial texts, hints, places and Tab order; each carries its name
/// as objectName.
struct SettingsDialogControls {
  QRadioButton* rbtnStyles;
  QRadioButton* rbtnInCode;
  QPushButton* btnDefaults;
  ClassList* classList;
  QCheckBox* chkBold;
  QCheckBox* chkItalic;
  QCheckBox* chkUnderlined;
  ColourBox* edHexValue;
  QFrame* colourSwatch;
  ColourBox* edDefaultColor;
  TextBox* edStyleClass;
  TextBox* edStyleSheet;
  QPushButton* btnFind;
  TabSizeBox* edTabSize;
  UpDownArrows* tabSizeArrows;
  QPushButton* btnOK;
  QPushButton* btnCancel;

  /// Makes every control inside dialog, whose client area is 480 by 370.
  explicit SettingsDialogControls(QDialog& dialog);
};

/// The tab-size hint, set on the tab size box and its arrows at creation.
extern const char* const TabSizeHint;

/// A hint as a tooltip that shows its text as written: Qt would take a hint
/// such as "<font>, <b>" for markup.
QString plainToolTip(const QString& hint);
