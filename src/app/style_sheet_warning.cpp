#include "app/style_sheet_warning.h"

#include "gui/fixed_texts.h"

#include <QMessageBox>

bool needsStyleSheetWarning(const TagSet& tags) {
  return !tags.Incode && (tags.StyleSheet.empty() || tags.StyleSheet == " ");
}

void showStyleSheetWarning(QWidget* parent) {
  QMessageBox box(QMessageBox::Warning, kWarningTitle, kStyleSheetWarning, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("StyleSheetWarning"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
