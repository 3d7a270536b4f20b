#pragma once

#include "engine/tag_set.h"
#include "gui/file_dialog.h"

#include <memory>
#include <string>
#include <vector>

/// The two save commands' state: the one save dialog of the run,
/// OutputFileName and the name last confirmed in the dialog (the page title).
class PageSaver {
 public:
  PageSaver(QWidget* owner, const FileDialogFactory& dialogs);

  /// Shows the save dialog and takes the confirmed name, with the selected
  /// filter's extension added where the name has none. When that extension
  /// turns the name into an existing file, the user is asked before it is
  /// replaced. False, and nothing changed, on cancel or "No".
  bool chooseName();
  /// Writes the page of lines to OutputFileName, titled with the name last
  /// confirmed in the dialog, its lines numbered with lineNumbers. Raises the
  /// page writer's errors.
  void writePage(const TagSet& tags, const std::vector<std::string>& lines, bool lineNumbers) const;

  /// Where Save Output writes; empty until a name is chosen.
  const std::string& outputFileName() const { return outputFileName_; }
  /// Forgets OutputFileName (a newly opened source is an unsaved document);
  /// the dialog keeps its last name and filter.
  void forgetOutputFileName() { outputFileName_.clear(); }
  /// Until a name has been confirmed, the save dialog opens beside the
  /// source file, proposing its name with ".html" added.
  void proposeNameFor(const std::string& sourceFileName);

 private:
  QWidget* owner_;
  std::unique_ptr<FileDialog> dialog_;
  std::string outputFileName_;
  std::string confirmedName_;
};

/// The save dialog's make-up: four filters, "HTML File (*.html)" first.
FileDialogOptions saveDialogOptions();
