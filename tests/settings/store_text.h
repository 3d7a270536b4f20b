#pragma once

#include "settings/memory_store.h"
#include "settings/reg_file_format.h"

#include <string>

/// A store holding what a REGEDIT4 text says.
inline MemoryStore storeFrom(const std::string& regedit4Text) {
  return MemoryStore(parseRegFile(regedit4Text));
}

/// The start of the Settings key's block header; a subkey's name and "]"
/// complete it.
inline const std::string Settings = "[HKEY_CURRENT_USER\\Software\\Korvane\\Tessaline\\Settings";
