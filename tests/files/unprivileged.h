#pragma once

#include <functional>
#include <string>

/// The user that permission cases run as when the tests run as root, whom
/// file permissions do not stop.
inline constexpr unsigned NobodyId = 65534;

/// Runs check as the user nobody in a child process when the tests run as
/// root, else in this process; what check returns: empty when everything
/// held, else what went wrong.
std::string runUnprivileged(const std::function<std::string()>& check);

/// Runs check in a child process that sees an empty /proc, as a system
/// without it; needs root (to make a mount namespace of its own).
std::string runWithoutProc(const std::function<std::string()>& check);
