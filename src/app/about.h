#pragma once

#include <QWidget>

#include "gui/file_dialog.h"

class ActivationKeeper;

/// The About window: the product's version, the author credit, links to
/// the maker's web site and feedback address, and the licence. It keeps the activation among
/// the program's windows from its showing until it closes, and deletes
/// itself when closed. Escape and Enter close it, and so does a click in
/// another window of the program, which then goes on to where it was aimed.
/// It is the form TForm4, its objectName.
class AboutWindow : public QWidget {
  Q_OBJECT
 public:
  /// openUrl opens the links; its result is ignored.
  AboutWindow(ActivationKeeper& keeper, UrlOpener openUrl, QWidget* parent = nullptr);

  /// Set when the window closes: from then on it lets the activation go.
  bool closing() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  /// Watches the program's mouse presses while the window is shown.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createElements();
  void openWebSite();
  void writeFeedback();
  void releaseActivation();

  ActivationKeeper& keeper_;
  UrlOpener openUrl_;
  bool shownBefore_ = false;
  bool closing_ = false;
};
