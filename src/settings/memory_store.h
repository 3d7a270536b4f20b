#pragma once

#include "settings/settings_store.h"

/// A settings store held in memory, for tests.
class MemoryStore : public SettingsStore {
public:
  MemoryStore();
};
