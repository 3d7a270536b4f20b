#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

/// What one call of tessaline-convert asks for.
struct ConvertRequest {
  /// The source (empty or "-": standard input), or with outputDir the PATHs.
  std::vector<std::string> inputs;
  std::optional<std::string> outputFile;
  std::optional<std::string> outputDir;
  std::optional<std::string> title;
  std::optional<std::string> settingsFile;
  bool linesOnly = false;
  /// Parallel conversions of a batch.
  unsigned jobs = 1;
};

/// Exit status of a usage error.
inline constexpr int UsageErrorStatus = 2;

/// The request of a command line, or the exit status when the program ends at
/// once: 0 after --help or --version, UsageErrorStatus after a usage error
/// (reported on standard error). The arguments are UTF-8 text, the program's
/// name first.
std::variant<ConvertRequest, int> parseCommandLine(const std::vector<std::string>& arguments);
