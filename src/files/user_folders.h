#pragma once

#include <string>

/// The user's home folder (POSIX): $HOME, else the one the user database
/// gives; empty when neither names one.
std::string homeFolder();

/// The folder an XDG base-directory variable names, such as
/// XDG_CACHE_HOME; empty when it is unset or relative, which is to be
/// ignored as if unset.
std::string xdgFolder(const char* variable);
