#pragma once

#include "app/main_window.h"
#include "app/splash.h"

struct AppContext;

/// Names the program "Tessaline" and gives every window its icon. The main
/// window alone ends the program, not the last window to close. Qt writes no
/// settings file of its own.
void prepareApplication();

/// The program's start: the main window made hidden (its settings read once),
/// then the splash made and shown. The splash's timer shows the main window,
/// which then opens fileName, when given, as File > Open would.
class ProgramStart {
 public:
  explicit ProgramStart(AppContext& context, const QString& fileName = QString());

  MainWindow& mainWindow() { return mainWindow_; }
  SplashWindow& splash() { return splash_; }

 private:
  MainWindow mainWindow_;
  SplashWindow splash_;
};
