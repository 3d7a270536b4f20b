#pragma once

#include <string>

/// The whole content of a source file as bytes. Raises std::runtime_error
/// "Cannot read file '<path>': <reason>" when it cannot be opened or read.
std::string readFileBytes(const std::string& path);
