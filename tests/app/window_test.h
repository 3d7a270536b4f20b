#pragma once

#include "app/main_window.h"
#include "scripted_dialogs.h"
#include "settings/memory_store.h"
#include "test_files.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class Pane;

/// A test class that drives a main window over a store in memory and
/// scripted file dialogs. Every test function gets a fresh window, shown and
/// active, and a fresh folder for its files.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  /// What one test function works with.
  struct Fixture {
    MemoryStore store;
    ScriptedDialogs dialogs;
    AppContext context{store, {}, {}, dialogs.factory(), [](const QString&) {}};
    MainWindow window{context};
    TempFolder folder;
  };

  MainWindow& window() const { return fixture_->window; }
  MemoryStore& store() const { return fixture_->store; }
  ScriptedDialogs& dialogs() const { return fixture_->dialogs; }
  Pane* pane(const char* name) const;
  /// The path of name in the test function's folder.
  QString path(const QString& name) const;
  /// Writes bytes to name in the folder; gives back its path.
  QString file(const QString& name, const std::string& bytes) const;
  /// Opens fileName with File > Open, the dialog answering it.
  void open(const QString& fileName) const;

 private slots:
  void initTestCase();
  void init();
  void cleanup();

 private:
  QTemporaryDir userFolders_;
  std::unique_ptr<Fixture> fixture_;
};
