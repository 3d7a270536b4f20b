#pragma once

#include <string>
#include <system_error>

/// The failure of a file access: what() is "Cannot <operation> file '<path>':
/// <reason>", with the system's reason for the errno value in code().
class FileError : public std::system_error {
 public:
  FileError(const std::string& operation, const std::string& path, int error);

  /// "Cannot write to standard output: <reason>".
  static FileError standardOutput(int error);

  /// "read" or "write".
  const std::string& operation() const { return operation_; }
  /// The file as its user named it; empty for standard output.
  const std::string& path() const { return path_; }

 private:
  FileError(const std::string& what, std::string operation, std::string path, int error);

  std::string operation_;
  std::string path_;
};
