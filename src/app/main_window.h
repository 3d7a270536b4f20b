#pragma once

#include "app/app_context.h"
#include "app/page_saver.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class ActivationKeeper;
class Pane;
class QFrame;
class QGroupBox;
class TForm2;

/// The main window: the Delphi source on the left, its HTML on the right,
/// and the menu bar that reaches every command of the program.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  /// Creates the window hidden; FormCreate runs now.
  explicit TForm1(AppContext& context, QWidget* parent = nullptr);
  ~TForm1() override;

  /// Converts edSource into edHTML and leaves edHTML's caret where it was.
  /// Errors go to the caller (the settings dialog's OK shows them).
  void convertSourceKeepingCaret();
  /// Open's steps after the dialog: reads the file, converts it and fills
  /// both panes. On an error both panes keep what they held.
  void loadSourceFile(const std::string& fileName);

  /// Keeps the settings dialog and About window active while they are open.
  ActivationKeeper& activationKeeper() const { return *keeper_; }
  /// Where Save Output writes; empty until a name is chosen.
  const std::string& outputFileName() const { return saver_.outputFileName(); }
  /// Where the preview page goes; empty when the settings could not be read
  /// while the window was created.
  const std::string& previewFileName() const { return previewFileName_; }

 public slots:
  void Open1Click();
  void Save1Click();
  void SaveAs1Click();
  void Exit1Click();
  /// Options > Settings: a new settings dialog, shown without blocking; one
  /// that is still open is brought to the front instead.
  void Settings1Click();
  void PreviewInBrowser1Click();
  void CopyoutputtoClipboard1Click();
  void Refresh1Click();
  void Contents1Click();
  /// Help > About: a new About window each time, shown without blocking.
  void About1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void FormCreate();
  void FormShow();
  void FormResize();
  void FormClose();
  void PreviewInBrowser();

  /// GetTags afresh from the store, then Convert.
  std::vector<std::string> convertLines(const std::vector<std::string>& lines);
  void writePageAndName();
  void showCaption();
  /// Shows a window that belongs to no other and is deleted when this one is.
  void showOwnWindow(QWidget* window);

  AppContext& context_;
  ActivationKeeper* keeper_;
  QFrame* panel1_ = nullptr;
  QGroupBox* groupBox1_ = nullptr;
  QGroupBox* groupBox2_ = nullptr;
  Pane* edSource_ = nullptr;
  Pane* edHTML_ = nullptr;
  std::unique_ptr<FileDialog> openDialog_;
  PageSaver saver_;
  std::string previewFileName_;
  QPointer<TForm2> settingsDialog_;
  /// The settings dialogs and About windows still open: they close with the
  /// program, and they refer to this window's activation keeper.
  QList<QPointer<QWidget>> ownWindows_;
};

/// The open dialog's make-up: the Delphi files first, then text files.
FileDialogSpec openDialogSpec();

/// The window caption for OutputFileName (empty: an untitled document).
QString mainCaption(const std::string& outputFileName);
