#pragma once

#include <stdexcept>
#include <string>

/// The error of a failed file access, "Cannot <action> file '<path>': <reason>",
/// with the system's reason for errno value error.
std::runtime_error fileError(const std::string& action, const std::string& path, int error);
