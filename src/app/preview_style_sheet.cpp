#include "app/preview_style_sheet.h"

#include "files/utf8_path.h"
#include "output/style_sheet_file.h"
#include "settings/style_sheet_text.h"

#include <filesystem>

void PreviewStyleSheet::writeBeside(const std::string& previewFile, const TagSet& tags,
                                    SettingsStore& store) {
  if (tags.Incode) return;
  const auto sheet = linkedStyleSheetPath(previewFile, tags.StyleSheet);
  const std::string folder = utf8Text(utf8Path(previewFile).parent_path());
  if (!sheet || !liesInside(*sheet, folder)) return;
  if (*sheet != written_) {
    if (!isMissing(*sheet)) return;
    // The page links another sheet now: the one written before goes.
    remove();
  }
  const std::string text = storedStyleSheet(store);
  const std::vector<std::string> made = writeStyleSheet(*sheet, text, true);
  written_ = *sheet;
  madeFolders_.insert(madeFolders_.end(), made.begin(), made.end());
}

void PreviewStyleSheet::remove() {
  std::error_code ignored;
  if (!written_.empty()) std::filesystem::remove(utf8Path(written_), ignored);
  // Innermost first; a folder something else was put in stays.
  for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
    std::filesystem::remove(utf8Path(*folder), ignored);
  written_.clear();
  madeFolders_.clear();
}
