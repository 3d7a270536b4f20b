#pragma once

#include "gui/file_dialog.h"

#include <QPointer>

class QComboBox;
class QFileDialog;
class QFileSystemModel;
class QLineEdit;
class PatternFilterProxy;

/// The program's file dialog: Qt's own (not the desktop's) dialog, made once
/// and kept by its owner, listing files by the real patterns of the selected
/// filter while showing the filter descriptions as they are written.
class QtFileDialog : public FileDialog {
 public:
  QtFileDialog(QWidget* parent, const FileDialogOptions& options);
  ~QtFileDialog() override;

  bool execute() override;
  QString fileName() const override;
  int filterIndex() const override;
  void setFileName(const QString& fileName) override;
  void proposeFileName(const QString& fileName) override;

  /// The dialog itself, for tests that look at what it lists.
  QFileDialog& dialog() const;

 private:
  void useSelectedFilter();
  void keepNameAcrossFilterChange();
  void hideNameCompletions();

  FileDialogOptions options_;
  QPointer<QFileDialog> dialog_;
  PatternFilterProxy* proxy_ = nullptr;
  QFileSystemModel* files_ = nullptr;
  QComboBox* filterBox_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QString confirmedName_;
  QString proposedName_;
  int confirmedFilter_ = 1;
  QString nameBeforeLastEdit_;
  QString currentName_;
};

/// Makes QtFileDialogs: the factory the program runs with.
FileDialogFactory qtFileDialogFactory();
