#pragma once

#include "engine/tag_set.h"
#include "gui/file_dialog.h"
#include "settings/settings_store.h"

#include <memory>
#include <set>
#include <string>

/// The style sheets the program writes for its pages: File > Save Style
/// Sheet..., and the sheet a saved page links where it is missing. Each is
/// the sheet of the settings as stored (every key: the class names and their
/// in-code looks), written atomically.
class StyleSheetSaver {
 public:
  StyleSheetSaver(QWidget* owner, const FileDialogFactory& dialogs);

  /// Save Style Sheet...: shows the dialog, proposing the sheet the settings
  /// name as the page saved last links it (see proposedStyleSheetFile), and
  /// writes the sheet to the confirmed name. Nothing happens on cancel.
  void saveAs(SettingsStore& store, const std::string& lastPage);

  /// After Save Output wrote a style-sheet page at pagePath: when the
  /// relative sheet it links does not exist there, asks whether to write it
  /// and writes it on Yes. Asked once: a No holds for that sheet file for the
  /// rest of the run.
  void offerBeside(SettingsStore& store, const TagSet& tags, const std::string& pagePath);

 private:
  bool askToWrite(const std::string& styleSheet, const std::string& sheetPath) const;

  QWidget* owner_;
  std::unique_ptr<FileDialog> dialog_;
  std::set<std::string> declined_;
};

/// The Save Style Sheet dialog's make-up: style sheets first, then all files.
FileDialogOptions styleSheetDialogOptions();

/// The file the Save Style Sheet dialog proposes for the settings' sheet
/// reference styleSheet: where the page saved last (lastPage, empty for none)
/// links it; without a page, a relative reference as it stands (in the
/// dialog's folder) and an absolute path as it is; empty for an address,
/// which leaves the dialog's last name.
std::string proposedStyleSheetFile(const std::string& styleSheet, const std::string& lastPage);
