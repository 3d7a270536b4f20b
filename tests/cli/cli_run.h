#pragma once

#include "test_files.h"

#include <filesystem>
#include <string>
#include <vector>

/// What one run of tessaline-convert gave.
struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

/// A temporary folder for one test: the working folder of the runs, with an
/// empty settings folder so the user's settings never leak in.
class CliSandbox {
 public:
  CliSandbox();

  const std::filesystem::path& folder() const { return folder_; }
  /// Writes bytes to a file below the folder, making its folders.
  void write(const std::string& relativePath, const std::string& bytes) const;
  /// The bytes of a file below the folder (or at an absolute path).
  std::string read(const std::filesystem::path& path) const;
  /// Runs tessaline-convert with args in the folder; stdinFile (below the
  /// folder) feeds standard input when given.
  CliRun run(const std::vector<std::string>& args, const std::string& stdinFile = "") const;

 private:
  TempFolder temp_;
  const std::filesystem::path& folder_;
};
