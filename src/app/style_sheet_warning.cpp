#include "app/style_sheet_warning.h"

#include "gui/fixed_texts.h"
#include "settings/style_sheet_text.h"
#include "settings/theme_store.h"

#include <QMessageBox>

bool needsStyleSheetWarning(const TagSet& tags) {
  return !tags.Incode && (tags.StyleSheet.empty() || tags.StyleSheet == " ");
}

bool needsSaveWarning(SettingsStore& store, const TagSet& tags) {
  if (tags.Incode) return false;
  if (needsStyleSheetWarning(tags)) return true;
  const SettingsReadGroup reads(store);
  Theme theme;
  readTheme(store, theme, ThemeKeys::OfMode);
  if (theme.Incode) return false;
  for (const auto tokenClass : TokenClasses) {
    const auto index = static_cast<std::size_t>(tokenClass);
    if (theme.StyleStored[index] && classSelector(theme[tokenClass].StyleClass).empty())
      return true;
  }
  return false;
}

void showStyleSheetWarning(QWidget* parent) {
  QMessageBox box(QMessageBox::Warning, kWarningTitle, kStyleSheetWarning, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("StyleSheetWarning"));
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
