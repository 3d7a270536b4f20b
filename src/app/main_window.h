#pragma once

#include "app/app_context.h"
#include "app/layout.h"
#include "app/page_saver.h"
#include "app/preview_style_sheet.h"
#include "app/style_sheet_saver.h"
#include "files/preview_place.h"
#include "gui/code_page.h"
#include "settings/view_options.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class ActivationKeeper;
class Divider;
class LivePanes;
class Pane;
class QFrame;
class QGroupBox;
class SettingsDialog;
class StatusReport;
class ViewOptionItems;

/// The main window: the Delphi source on the left, its HTML on the right,
/// and the menu bar that reaches every command of the program. It is the
/// form TForm1, its objectName.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  /// Creates the window hidden and reads the settings once (FormCreate).
  explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// Converts edSource into edHTML and leaves edHTML's caret where it was.
  /// Errors go to the caller (the settings dialog's OK shows them).
  void convertSourceKeepingCaret();
  /// What Open does with the source when its conversion fails.
  enum class WhenNotConverted {
    /// Both panes keep what they held.
    PanesKeepTheirText,
    /// The source shows all the same, so that the file is not lost behind
    /// the error (a file named on the command line, when the settings
    /// cannot be read).
    SourceShows,
  };
  /// Open's steps after the dialog: reads the file, converts it and fills
  /// both panes. On an error both panes keep what they held, except as
  /// whenNotConverted says. What is not a regular file is refused unread
  /// ("Not a regular file"), and a file too large for the memory is named as
  /// such.
  void loadSourceFile(const std::string& fileName,
                      WhenNotConverted whenNotConverted = WhenNotConverted::PanesKeepTheirText);
  /// Opens a file chosen outside the open dialog (a drop) as if it had been
  /// chosen there; an error goes to the error box.
  void openFile(const QString& fileName);
  /// Opens the file named on the command line as openFile does, except that
  /// its source shows even when it cannot be converted.
  void openFromCommandLine(const QString& fileName);

  /// Keeps the settings dialog and About window active while they are open.
  ActivationKeeper& activationKeeper() const { return *keeper_; }
  /// Where Save Output writes; empty until a name is chosen.
  const std::string& outputFileName() const { return saver_.outputFileName(); }
  /// Where the preview page goes.
  const std::string& previewFileName() const { return previewFileName_; }

 public slots:
  void open();
  void save();
  void saveAs();
  /// File > Save Style Sheet...: the settings' style sheet, where the user
  /// picks.
  void saveStyleSheet();
  void exitProgram();
  /// Options > Settings: a new settings dialog, shown without blocking; one
  /// that is still open is brought to the front instead.
  void openSettings();
  void preview();
  void copyToClipboard();
  /// Output > Copy Formatted: the source converted with inline styles, as
  /// HTML, as RTF and as plain text, on the clipboard.
  void copyFormatted();
  void refresh();
  void showHelp();
  /// Help > About: a new About window each time, shown without blocking.
  void showAbout();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  /// The menu bar: each command's item, and a checkable item for each view
  /// option.
  void createMenus();
  /// The status bar, what the panes show as the user types, and the view
  /// options that switch it.
  void createStatusBar();
  /// A local file dropped on the window or either pane opens as with Open.
  void acceptFileDrops();
  void initialize();
  void layOutPanes();
  /// Open's steps after the open dialog's file is chosen; a large file
  /// only once the user says so, and otherwise nothing changes.
  void openChosenFile(WhenNotConverted whenNotConverted = WhenNotConverted::PanesKeepTheirText);
  /// Puts a source file's lines into edSource, caret at the start; Save then
  /// proposes a page beside the file.
  void showSource(const std::string& fileName, const std::vector<std::string>& lines,
                  CodePage page);

  /// GetTags afresh from the store, then Convert.
  std::vector<std::string> convertLines(const std::vector<std::string>& lines);
  void writePageAndName();
  /// Gives the source box sourceShare of both boxes' width.
  void moveDivider(double sourceShare);
  void showCaption();
  /// Shows a window that belongs to no other and is deleted when this one is.
  void showOwnWindow(QWidget* window);

  AppContext& context_;
  ActivationKeeper* keeper_;
  QFrame* panel_ = nullptr;
  QGroupBox* sourceBox_ = nullptr;
  QGroupBox* htmlBox_ = nullptr;
  Pane* edSource_ = nullptr;
  Pane* edHTML_ = nullptr;
  Divider* divider_ = nullptr;
  /// The source box's share of both boxes' width, as the divider left it.
  double sourceShare_ = EvenShare;
  std::unique_ptr<StatusReport> status_;
  LivePanes* livePanes_ = nullptr;
  ViewOptionItems* viewOptions_ = nullptr;
  std::unique_ptr<FileDialog> openDialog_;
  PageSaver saver_;
  StyleSheetSaver styleSheets_;
  std::string previewFileName_;
  PreviewStyleSheet previewSheet_;
  /// The preview page this window wrote: only that one goes at exit, so
  /// closing one copy of the program leaves another's preview.
  PreviewPageRecord previewPage_;
  QPointer<SettingsDialog> settingsDialog_;
  /// The settings dialogs and About windows still open: they close with the
  /// program, and they refer to this window's activation keeper.
  QList<QPointer<QWidget>> ownWindows_;
};

/// The open dialog's make-up: the Delphi files first (Free Pascal's and
/// Lazarus' too), then text files, then all files.
FileDialogOptions openDialogOptions();

/// The window caption for OutputFileName (empty: an untitled document).
QString mainCaption(const std::string& outputFileName);
