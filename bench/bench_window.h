#pragma once

// The main window as the benchmarks drive it: no file dialog is ever shown,
// no address opened, and the window stands drawn at one size.

#include "app/main_window.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>

/// A context over store whose file dialogs and address opener do nothing.
inline AppContext benchContext(SettingsStore& store) {
  AppContext context{store, {}, {}, nullptr, [](const QString&) {}, {}};
  context.fileDialogs = [](QWidget*, const FileDialogOptions&) -> std::unique_ptr<FileDialog> {
    return nullptr;
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
