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
  /// Where to write the settings' style sheet.
  std::optional<std::string> styleSheetFile;
  /// The pages number their lines.
  bool lineNumbers = false;
  /// What Copy Formatted copies instead of a page.
  bool fragment = false;
  /// Parallel conversions of a batch.
  unsigned jobs = 1;

  /// False when only the style sheet is asked for: --style-sheet without a
  /// source, an output or a form of output named.
  bool convertsSources() const {
    return !styleSheetFile || !inputs.empty() || outputFile || outputDir || linesOnly || fragment;
  }
};

/// Exit status of a usage error.
inline constexpr int UsageErrorStatus = 2;

/// The request of a command line, or the exit status when the program ends at
/// once: 0 after --help or --version, UsageErrorStatus after a usage error
/// (reported on standard error). The arguments are UTF-8 text, the program's
/// name first.
std::variant<ConvertRequest, int> parseCommandLine(const std::vector<std::string>& arguments);
