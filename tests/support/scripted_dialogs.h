#pragma once

#include "gui/file_dialog.h"

#include <deque>
#include <optional>

/// What a scripted file dialog answers when shown: the confirmed file and
/// filter, or nothing for Cancel.
struct DialogAnswer {
  QString fileName;
  int filter = 1;
};

/// The answers of one kind of dialog, in order, and what was asked of it.
struct DialogScript {
  std::deque<std::optional<DialogAnswer>> answers;
  QList<FileDialogOptions> made;
  int shown = 0;
  /// The names set from outside the dialog, in order.
  QStringList given;
  /// The names proposed for a dialog that has confirmed none yet, in order.
  QStringList proposed;
};

/// File dialogs that answer from scripts instead of asking a user: every
/// window test's file dialogs.
struct ScriptedDialogs {
  DialogScript open;
  DialogScript save;

  /// The factory to hand to the window; the scripts must outlive it.
  FileDialogFactory factory();
};
