#pragma once

#include "app/large_source.h"
#include "engine/tag_set.h"
#include "gui/file_dialog.h"
#include "settings/held_settings.h"
#include "settings/settings_store.h"

#include <QString>
#include <cstdint>

/// The program-wide state, made by the program's start (or by a test) and
/// handed to every window that needs it.
struct AppContext {
  /// The settings store every conversion reads afresh.
  SettingsStore& store;
  /// The one tag set, rebuilt by every GetTags.
  TagSet tags;
  /// The settings dialog's copy of the settings, kept between openings.
  HeldSettings held;
  /// Makes the program's file dialogs.
  FileDialogFactory fileDialogs;
  /// Opens web pages, mail addresses, the preview and the help page.
  UrlOpener openUrl;
  /// The help page installed with the program, which Help > Online Help
  /// opens; empty when none was found, and the web's help page opens instead.
  QString helpPage;
  /// Open asks before it reads a source larger than this.
  std::uint64_t largeSourceSize = LargeSourceSize;
};
