#include "files/file_error.h"

FileError::FileError(const std::string& operation, const std::string& path, int error)
    : FileError("Cannot " + operation + " file '" + path + "'", operation, path, error) {}

FileError FileError::standardOutput(int error) {
  return FileError("Cannot write to standard output", "write", "", error);
}

FileError::FileError(const std::string& what, std::string operation, std::string path, int error)
    : std::system_error(error, std::generic_category(), what),
      operation_(std::move(operation)),
      path_(std::move(path)) {}
