#pragma once

#include <filesystem>
#include <string>

// The file helpers every test uses: one temporary folder, one reader, one
// writer. They use no code of the program, so they cannot share its faults.

/// A fresh folder below the system's temporary folder, removed with its
/// content at the end of the scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  /// The path of name inside the folder.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

/// Writes bytes as the whole content of the file at path, making its folders.
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

/// The bytes of the file at path; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);
