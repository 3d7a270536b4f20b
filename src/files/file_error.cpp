#include "files/file_error.h"

namespace {

std::string fileSubject(const std::string& operation, const std::string& path) {
  return "Cannot " + operation + " file '" + path + "'";
}

}  // namespace

FileError::FileError(const std::string& operation, const std::string& path, int error)
    : FileError(operation, path, error, std::generic_category().message(error)) {}

FileError::FileError(const std::string& operation, const std::string& path, int error,
                     const std::string& reason)
    : FileError(fileSubject(operation, path), operation, path, error, reason) {}

FileError FileError::standardOutput(int error) {
  return FileError("Cannot write to standard output", "write", "", error,
                   std::generic_category().message(error));
}

FileError::FileError(std::string subject, std::string operation, std::string path, int error,
                     std::string reason)
    : std::system_error(error, std::generic_category()),
      operation_(std::move(operation)),
      path_(std::move(path)),
      reason_(std::move(reason)),
      message_(std::move(subject) + ": " + reason_) {}
