#pragma once

#include <optional>
#include <string>

/// The bytes of a file, or nothing when it does not exist. Raises
/// std::system_error with the system's reason when it cannot be read.
std::optional<std::string> readFileIfPresent(const std::string& path);
