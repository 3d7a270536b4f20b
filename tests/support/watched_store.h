#pragma once

#include "settings/memory_store.h"

#include <QList>

/// The window tests' store: in memory, noting the mouse cursor the program
/// shows each time a key is opened, so a test can tell whether the settings
/// were read under the busy cursor, and how often the store was read.
class WatchedStore : public MemoryStore {
 public:
  /// The cursor's shape at each openKey, in order; the arrow when none was set.
  QList<Qt::CursorShape> cursorsWhileRead;

  /// How many times the keys were read afresh: once per group of reads.
  int loads = 0;

  bool openKey(const std::string& path, bool create) override;

 protected:
  RegKeyTree loadTree() override;
};
