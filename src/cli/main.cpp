// tessaline-convert: the command-line converter for build pipelines and
// whole source trees, making the same pages as the window's Save Output.

#include "cli/batch_plan.h"
#include "cli/batch_runner.h"
#include "cli/command_line.h"
#include "cli/page_converter.h"
#include "cli/platform.h"
#include "cli/standard_output.h"
#include "files/file_error.h"
#include "files/utf8_path.h"
#include "output/file_name_rules.h"
#include "settings/get_tags.h"
#include "settings/reg_file_store.h"

#include <csignal>
#include <filesystem>
#include <iostream>

namespace {

TagSet loadTags(const ConvertRequest& request) {
  const std::unique_ptr<SettingsStore> store =
      request.settingsFile ? std::make_unique<RegFileStore>(*request.settingsFile)
                           : userSettingsStore();
  TagSet tags;
  GetTags(*store, tags);
  return tags;
}

/// One source to one page, on standard output or in -o's file.
int convertOne(const ConvertRequest& request, const TagSet& tags) {
  const std::string source = request.inputs.empty() ? "-" : request.inputs.front();
  const std::string title =
      request.title.value_or(isStandardInput(source) ? "" : fileNamePart(source));
  PageConverter converter(tags, request.linesOnly);
  if (request.outputFile) {
    converter.convertFile(source, *request.outputFile, htmlTitle(title));
    return 0;
  }
  StandardOutput out;
  std::ifstream file;
  converter.convert(openSource(source, file), source, out, htmlTitle(title));
  out.finish();
  return 0;
}

/// Many sources to pages below -d's folder.
int convertMany(const ConvertRequest& request, const TagSet& tags) {
  std::error_code error;
  std::filesystem::create_directories(utf8Path(*request.outputDir), error);
  if (error) throw FileError("write", *request.outputDir, error.value());
  const BatchResult result =
      runBatch(planBatch(request.inputs, *request.outputDir), tags, request.jobs);
  std::cerr << result.converted << " converted, " << result.failed << " failed\n";
  return result.failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  useBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
#ifdef SIGXFSZ
  // Past the file-size limit a write then fails with EFBIG, which is
  // reported, instead of the signal ending the program mid-page.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  try {
    const auto parsed = parseCommandLine(commandLineArguments(argc, argv));
    if (const int* status = std::get_if<int>(&parsed)) return *status;
    const auto& request = std::get<ConvertRequest>(parsed);
    const TagSet tags = loadTags(request);
    return request.outputDir ? convertMany(request, tags) : convertOne(request, tags);
  } catch (const std::exception& error) {
    std::cerr << "tessaline-convert: " << error.what() << '\n';
    return 1;
  }
}
