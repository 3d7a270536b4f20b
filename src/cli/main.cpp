// tessaline-convert: the command-line converter for build pipelines and
// whole source trees, making the same pages as the window's Save Output.

#include "cli/batch_plan.h"
#include "cli/batch_runner.h"
#include "cli/command_line.h"
#include "cli/linked_style_sheets.h"
#include "cli/page_converter.h"
#include "cli/platform.h"
#include "cli/source_fragment.h"
#include "cli/standard_output.h"
#include "files/atomic_file.h"
#include "files/file_error.h"
#include "files/utf8_path.h"
#include "output/file_name_rules.h"
#include "output/style_sheet_file.h"
#include "settings/get_tags.h"
#include "settings/inline_style_tags.h"
#include "settings/reg_file_store.h"
#include "settings/style_sheet_text.h"

#include <csignal>
#include <filesystem>
#include <iostream>

namespace {

/// The settings the run reads: the user's or --settings' file.
std::unique_ptr<SettingsStore> openStore(const ConvertRequest& request) {
  if (request.settingsFile) return std::make_unique<RegFileStore>(*request.settingsFile);
  return userSettingsStore();
}

/// Writes a fragment to -o's file, or else to standard output.
void writeFragment(const ConvertRequest& request, const std::string& source,
                   const std::string& fragment) {
  if (request.outputFile) {
    refuseSourceAsOutput(source, *request.outputFile);
    AtomicFile file(*request.outputFile);
    file.stream() << fragment;
    file.commit();
    return;
  }
  StandardOutput out;
  out << fragment;
  out.finish();
}

/// One source to one page, or to the fragment of a formatted copy.
int convertOne(const ConvertRequest& request, SettingsStore& store, const TagSet& tags) {
  const std::string source = request.inputs.empty() ? "-" : request.inputs.front();
  if (request.fragment) {
    writeFragment(request, source, sourceFragment(source, GetInlineStyleTags(store)));
    return 0;
  }
  const std::string title =
      request.title.value_or(isStandardInput(source) ? "" : fileNamePart(source));
  PageConverter converter(tags, request.linesOnly, request.lineNumbers);
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

/// Writes the style sheet where the pages of a batch link it and it is
/// missing, each file once; a failure is reported and the others go on.
bool writeLinkedStyleSheets(const std::vector<BatchItem>& items, const ConvertRequest& request,
                            SettingsStore& store, const TagSet& tags) {
  const std::vector<std::string> missing =
      missingStyleSheets(items, tags.StyleSheet, *request.outputDir);
  if (missing.empty()) return true;
  const std::string sheet = storedStyleSheet(store);
  bool written = true;
  for (const std::string& path : missing) {
    try {
      writeStyleSheet(path, sheet);
    } catch (const std::exception& error) {
      std::cerr << error.what() << '\n';
      written = false;
    }
  }
  return written;
}

/// Many sources to pages below -d's folder, and in style-sheet mode the
/// sheet they link where it is missing.
int convertMany(const ConvertRequest& request, SettingsStore& store, const TagSet& tags) {
  std::error_code error;
  std::filesystem::create_directories(utf8Path(*request.outputDir), error);
  if (error) throw FileError("write", *request.outputDir, error.value());
  const std::vector<BatchItem> items = planBatch(request.inputs, *request.outputDir);
  const BatchResult result = runBatch(items, tags, request.jobs, request.lineNumbers);
  std::cerr << result.converted << " converted, " << result.failed << " failed\n";
  const bool sheetsWritten = tags.Incode || writeLinkedStyleSheets(items, request, store, tags);
  return result.failed == 0 && sheetsWritten ? 0 : 1;
}

int run(const ConvertRequest& request) {
  const std::unique_ptr<SettingsStore> store = openStore(request);
  // The tag set, the style sheet and a fragment's styles from one read of the settings.
  const SettingsReadGroup reads(*store);
  TagSet tags;
  GetTags(*store, tags);
  if (request.styleSheetFile) writeStyleSheet(*request.styleSheetFile, storedStyleSheet(*store));
  if (!request.convertsSources()) return 0;
  return request.outputDir ? convertMany(request, *store, tags) : convertOne(request, *store, tags);
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
    return run(std::get<ConvertRequest>(parsed));
  } catch (const std::exception& error) {
    std::cerr << "tessaline-convert: " << error.what() << '\n';
    return 1;
  }
}
