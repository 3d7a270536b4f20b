#pragma once

#include <string>
#include <system_error>

/// The failure of a file access: what() is "Cannot <operation> file '<path>':
/// <reason>", the reason being the system's text for the errno value in
/// code() or, where the system has no word for it, the one given.
class FileError : public std::system_error {
 public:
  FileError(const std::string& operation, const std::string& path, int error);
  /// A failure the system has no text for, such as "Not a regular file";
  /// error is the errno value nearest to it, for code().
  FileError(const std::string& operation, const std::string& path, int error,
            const std::string& reason);

  /// "Cannot write to standard output: <reason>".
  static FileError standardOutput(int error);

  const char* what() const noexcept override { return message_.c_str(); }
  /// "read" or "write".
  const std::string& operation() const { return operation_; }
  /// The file as its user named it; empty for standard output.
  const std::string& path() const { return path_; }
  /// The text after the colon.
  const std::string& reason() const { return reason_; }

 private:
  FileError(std::string subject, std::string operation, std::string path, int error,
            std::string reason);

  std::string operation_;
  std::string path_;
  std::string reason_;
  std::string message_;
};

/// The reason of a file that is not a regular file where only one will do,
/// such as a FIFO that would block its reader.
inline constexpr const char* NotARegularFile = "Not a regular file";

/// The reason of a file too large to be held in memory, in place of
/// std::bad_alloc's own words.
inline constexpr const char* TooLargeForMemory = "File too large for the memory available";
