#pragma once

#include "app/main_window.h"
#include "scripted_dialogs.h"
#include "settings/memory_store.h"

#include <QTest>

/// A main window over a store in memory and scripted file dialogs, shown and
/// active, so that its shortcuts answer.
struct TestWindow {
  MemoryStore store;
  ScriptedDialogs dialogs;
  AppContext context{store, {}, {}, dialogs.factory(), [](const QString&) {}};
  MainWindow window{context};

  /// Shows the window; false when it did not become active.
  bool show() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
  /// Opens fileName with File > Open, the dialog answering it.
  void open(const QString& fileName) {
    dialogs.open.answers.push_back(DialogAnswer{fileName, 1});
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
  }
};
