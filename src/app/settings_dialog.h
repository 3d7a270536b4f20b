#pragma once

#include "app/settings_dialog_controls.h"
#include "settings/held_settings.h"

#include <QDialog>
#include <functional>
#include <memory>

class ActivationKeeper;
class ClickDropper;
class ColourBox;
class FileDialog;
struct AppContext;

/// The settings dialog "File Settings": edits the held settings, writes them
/// to the store on OK and has the main window convert its source again. It
/// is non-modal, keeps the activation among the program's windows until it
/// closes, and deletes itself when closed. It is the form TForm2, its
/// objectName.
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  /// convertSource converts the main window's source pane into its HTML pane
  /// without moving the caret; it may raise.
  SettingsDialog(AppContext& context, ActivationKeeper& keeper, std::function<void()> convertSource,
                 QWidget* parent = nullptr);
  ~SettingsDialog() override;

 public slots:
  /// OK: checks the boxes, writes the settings to the store, converts again
  /// and closes.
  void accept() override;
  /// Cancel, and Escape anywhere in the dialog: closes and keeps what the
  /// store holds.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void initialize();
  void connectHandlers();
  void startFirstLoad();
  void loadSequence();
  void firstLoad();
  void showClass(int position);
  void chooseStyleSheetMode();
  void chooseInCodeMode();
  void storeAttribute(bool ClassAttributes::*flag, bool state);
  void confirmColour(ColourBox* box);
  void leaveColourBox(ColourBox* box, Qt::FocusReason reason);
  bool validateHexValue(ColourBox* box);
  void displayColour();
  void loadAttributes(const ClassAttributes& attributes);
  void restoreDefaults();
  void leaveStyleClass();
  void leaveStyleSheet();
  void chooseStyleSheets();

  /// Runs a command that may raise; its error goes to the program's error box.
  bool runHere(const std::function<void()>& command);
  /// Commits the colour boxes to the class at position, without checking.
  void commitColours(int position);
  void enableInCodeControls(bool enabled);
  void enableStyleControls(bool enabled);
  /// The mode buttons, the tab size and LoadingFlag as the store sees them.
  DialogSettingsState dialogState() const;
  void showDialogState(const DialogSettingsState& state);
  /// Shows a message box owned by this dialog and takes the activation back.
  void showRejection(const QString& message);
  /// The list position of the class the controls show; the first when none.
  int selectedPosition() const;
  ClassAttributes& selectedClass();
  bool inCodeMode() const;

  AppContext& context_;
  ActivationKeeper& keeper_;
  std::function<void()> convertSource_;
  SettingsDialogControls controls_;
  std::unique_ptr<FileDialog> styleSheetDialog_;
  ClickDropper* clickDropper_;
  int PreviousIndex = 0;
  bool ClosingFlag = false;
  bool LoadingFlag = false;
  bool loadStarted_ = false;
  bool validating_ = false;
};
