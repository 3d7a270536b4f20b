#include "app/style_sheet_saver.h"

#include "files/utf8_path.h"
#include "gui/display_text.h"
#include "gui/fixed_texts.h"
#include "gui/question_box.h"
#include "output/style_sheet_file.h"
#include "settings/style_sheet_text.h"
#include "settings/theme_store.h"

#include <filesystem>

FileDialogOptions styleSheetDialogOptions() {
  FileDialogOptions options;
  options.kind = FileDialogOptions::Kind::Save;
  options.objectName = QStringLiteral("StyleSheetDialog");
  options.filters = {{QStringLiteral("Style Sheet (*.css)"), {QStringLiteral("*.css")}},
                     {QStringLiteral("All Files (*.*)"), {QStringLiteral("*.*")}}};
  options.initialFilter = 1;
  return options;
}

std::string proposedStyleSheetFile(const std::string& styleSheet, const std::string& lastPage) {
  if (const auto relative = relativeStyleSheetPath(styleSheet)) {
    if (lastPage.empty()) return *relative;
    return *linkedStyleSheetPath(lastPage, styleSheet);
  }
  if (utf8Path(styleSheet).is_absolute()) return styleSheet;
  return {};
}

StyleSheetSaver::StyleSheetSaver(QWidget* owner, const FileDialogFactory& dialogs)
    : owner_(owner), dialog_(dialogs(owner, styleSheetDialogOptions())) {}

void StyleSheetSaver::saveAs(SettingsStore& store, const std::string& lastPage) {
  Theme theme;
  {
    const SettingsReadGroup reads(store);
    readTheme(store, theme, ThemeKeys::All);
  }
  const std::string proposed = proposedStyleSheetFile(theme.StyleSheet, lastPage);
  if (!proposed.empty()) dialog_->setFileName(displayFileName(proposed));
  if (dialog_->execute())
    writeStyleSheet(fileNameBytes(dialog_->fileName()), styleSheetText(theme), true);
}

void StyleSheetSaver::offerBeside(SettingsStore& store, const TagSet& tags,
                                  const std::string& pagePath) {
  if (tags.Incode) return;
  const auto sheetPath = linkedStyleSheetPath(pagePath, tags.StyleSheet);
  if (!sheetPath || declined_.contains(*sheetPath) || !isMissing(*sheetPath)) return;
  if (!askToWrite(tags.StyleSheet, *sheetPath)) {
    declined_.insert(*sheetPath);
    return;
  }
  writeStyleSheet(*sheetPath, storedStyleSheet(store), true);
}

bool StyleSheetSaver::askToWrite(const std::string& styleSheet,
                                 const std::string& sheetPath) const {
  return askYesNo(
      owner_, QStringLiteral("StyleSheetQuestion"),
      QString(kWriteStyleSheetQuestion).arg(displayText(styleSheet), displayFileName(sheetPath)),
      DefaultAnswer::Yes);
}
