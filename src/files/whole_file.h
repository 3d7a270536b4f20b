#pragma once

#include <cstdint>
#include <limits>
#include <string>

/// The whole content of a file as bytes, read to its end also when it grows
/// or is a pipe. Raises FileError "Cannot read file '<path>': <reason>"
/// (code() says why: ENOENT for a missing file, EISDIR for a folder).
std::string readWholeFile(const std::string& path);

/// No limit on the size of a file read by readRegularFile.
inline constexpr std::uint64_t AnySize = std::numeric_limits<std::uint64_t>::max();

/// The whole content of a regular file (links followed) of at most maxSize
/// bytes, for readers that must not hang: what is not a regular file (a
/// FIFO, a device) is refused without waiting and without a byte read, as
/// "Not a regular file" (code() EINVAL), and a file past maxSize as "File
/// too large" (EFBIG). Raises FileError as readWholeFile does.
std::string readRegularFile(const std::string& path, std::uint64_t maxSize = AnySize);
