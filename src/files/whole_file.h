#pragma once

#include <string>

/// The whole content of a file as bytes, read to its end also when it grows
/// or is a pipe. Raises FileError "Cannot read file '<path>': <reason>"
/// (code() says why: ENOENT for a missing file, EISDIR for a folder).
std::string readWholeFile(const std::string& path);
