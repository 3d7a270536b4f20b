#include "cli/command_line.h"

#include "files/utf8_path.h"
#include "tessaline_version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <thread>

namespace {

/// CLI::ExistingFile for a UTF-8 name: CLI11 would take it in the C locale's
/// code page on Windows. A name that cannot be looked at for another reason
/// (links that go round) passes, for the settings reader to name the reason.
std::string notAnExistingFile(const std::string& name) {
  std::error_code error;
  const auto status = std::filesystem::status(utf8Path(name), error);
  if (status.type() == std::filesystem::file_type::not_found) return "File does not exist: " + name;
  if (std::filesystem::is_directory(status)) return "File is actually a directory: " + name;
  return {};
}

}  // namespace

std::variant<ConvertRequest, int> parseCommandLine(const std::vector<std::string>& arguments) {
  ConvertRequest request;
  request.jobs = std::max(1u, std::thread::hardware_concurrency());
  CLI::App app("Turns Delphi (Object Pascal) source into syntax-highlighted HTML pages.",
               "tessaline-convert");
  app.set_version_flag("--version", kVersionLine, "Print the version and exit");
  app.add_option("FILE", request.inputs,
                 "The source to convert (standard input when none or '-'); with -d, the files "
                 "and folders to convert")
      ->option_text("PATH ...");
  auto* outputFile = app.add_option("-o,--output", request.outputFile, "Write the page to OUT")
                         ->option_text("OUT");
  auto* lines = app.add_flag("--lines", request.linesOnly,
                             "Write only the converted lines, without the page around them")
                    ->option_text(" ");
  auto* title =
      app.add_option("--title", request.title, "The page title (default: the source's file name)")
          ->option_text("TEXT");
  app.add_option("--settings", request.settingsFile,
                 "Read the settings from this registry file instead of the user's")
      ->option_text("FILE")
      ->check(notAnExistingFile, "FILE");
  auto* outputDir =
      app.add_option("-d,--directory", request.outputDir,
                     "Convert every FILE, and the Pascal sources in every folder, into pages "
                     "below DIR")
          ->option_text("DIR");
  app.add_option("-j,--jobs", request.jobs, "Conversions at a time with -d (default: the cores)")
      ->option_text("N")
      ->check(CLI::PositiveNumber);
  app.add_option("--style-sheet", request.styleSheetFile,
                 "Write the style sheet of the settings to SHEET; without a source, only that")
      ->option_text("SHEET");
  auto* lineNumbers =
      app.add_flag("--line-numbers", request.lineNumbers,
                   "Number the lines of the pages (the numbers are not copied with the code)")
          ->option_text(" ");
  auto* fragment = app.add_flag("--fragment", request.fragment,
                                "Write what Copy Formatted copies: one <pre> with inline styles")
                       ->option_text(" ");
  outputDir->excludes(outputFile)->excludes(lines)->excludes(title)->excludes(fragment);
  lineNumbers->excludes(lines)->excludes(fragment);
  fragment->excludes(lines)->excludes(title);

  try {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    app.parse(static_cast<int>(argv.size()), argv.data());
    if (request.outputDir && request.inputs.empty())
      throw CLI::ValidationError("FILE", "-d needs at least one file or folder to convert");
    if (!request.outputDir && request.inputs.size() > 1)
      throw CLI::ValidationError("FILE", "one source at a time; use -d DIR for many");
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? 0 : UsageErrorStatus;
  }
  return request;
}
