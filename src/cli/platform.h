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

/// The form of a page's name under which two names stand for the same
/// file: the name itself on POSIX systems; on Windows, whose file names
/// ignore letter case, the name in upper case.
std::string sameFileKey(const std::string& fileName);

/// The store of the user's own settings: a REGEDIT4 file on POSIX systems,
/// the registry on Windows.
std::unique_ptr<SettingsStore> userSettingsStore();
