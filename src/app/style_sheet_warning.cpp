#include "app/style_sheet_warning.h"

#include <QMessageBox>

const char* const StyleSheetWarningText =
    "You have not selected a style-sheet for this document.\n\r\n\r"
    "The styles chosen will not be displayed correctly until you\n\r"
    "select a style-sheet from the Settings page (F3).";

bool needsStyleSheetWarning(const TagSet& tags) {
  return !tags.Incode && (tags.StyleSheet.empty() || tags.StyleSheet == " ");
}

void showStyleSheetWarning(QWidget* parent) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                  QString::fromLatin1(StyleSheetWarningText), QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("StyleSheetWarning"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
