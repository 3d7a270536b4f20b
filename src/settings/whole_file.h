#pragma once

#include <optional>
#include <string>

/// The bytes of a file, or nothing when it does not exist. Raises
/// std::system_error with the system's reason when it cannot be read.
std::optional<std::string> readFileIfPresent(const std::string& path);

/// Replaces a file's content all at once: the bytes go to a temporary file
/// in the same folder (made when missing), are flushed to disk and renamed
/// over the file. A failure leaves the old file as it was, removes the
/// temporary file and raises std::system_error with the system's reason.
void replaceFileAtomically(const std::string& path, const std::string& bytes);
