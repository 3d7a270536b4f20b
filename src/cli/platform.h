#pragma once

#include "settings/settings_store.h"

#include <memory>
#include <string>
#include <vector>

/// The command line's arguments, the program's name first, as UTF-8 text.
std::vector<std::string> commandLineArguments(int argc, char** argv);

/// Makes standard input, output and error pass every byte unchanged: pages
/// carry their own CR LF.
void useBinaryStandardStreams();

/// The store of the user's own settings: a REGEDIT4 file on POSIX systems,
/// the registry on Windows.
std::unique_ptr<SettingsStore> userSettingsStore();
