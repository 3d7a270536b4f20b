#pragma once

// The main window as the benchmarks drive it: no file dialog is ever shown,
// no address opened, and the window stands drawn at one size.

#include "app/main_window.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

/// A file dialog that is never confirmed.
class UnusedFileDialog : public FileDialog {
 public:
  bool execute() override { return false; }
  QString fileName() const override { return name_; }
  int filterIndex() const override { return 1; }
  void setFileName(const QString& fileName) override { name_ = fileName; }
  void proposeFileName(const QString&) override {}

 private:
  QString name_;
};

/// A context over store whose file dialogs and address opener do nothing.
inline AppContext benchContext(SettingsStore& store) {
  AppContext context{store, {}, {}, nullptr, [](const QString&) {}, {}};
  context.fileDialogs = [](QWidget*, const FileDialogOptions&) -> std::unique_ptr<FileDialog> {
    return std::make_unique<UnusedFileDialog>();
  };
  return context;
}

/// Shows window at 1280 by 1000 and waits until it is drawn.
inline void showForBench(MainWindow& window) {
  window.resize(1280, 1000);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "window not shown\n");
  QApplication::processEvents();
}
