#pragma once

#include "engine/tag_set.h"
#include "settings/settings_store.h"

#include <string>
#include <vector>

/// The style sheet beside the preview page, so that a style-sheet preview
/// shows its styles: written there when the page links a relative sheet that
/// cannot be found, and deleted with the page. Only what this copy of the
/// program wrote is ever rewritten or deleted; a sheet someone else put
/// there stays as it is.
class PreviewStyleSheet {
 public:
  /// After the preview page at previewFile was written with tags: writes the
  /// stored settings' sheet where the page links it, when that is inside the
  /// page's folder and holds no other sheet. A read or write error raises.
  void writeBeside(const std::string& previewFile, const TagSet& tags, SettingsStore& store);
  /// Deletes the sheet this copy wrote, and the folders it made for it;
  /// failures are ignored, as the preview page's are.
  void remove();

 private:
  std::string written_;
  /// Outermost first.
  std::vector<std::string> madeFolders_;
};
