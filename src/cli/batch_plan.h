#pragma once

#include <string>
#include <vector>

/// One source of a batch and the page it becomes; error says why it cannot
/// be converted (empty when it can).
struct BatchItem {
  std::string source;
  std::string page;
  std::string error;
};

/// True for the file names a folder walk converts: .pas .pp .inc .dpr .dpk
/// .lpr .dfm, in any letter case.
bool isPascalSourceName(const std::string& fileName);

/// Maps each PATH to its pages below outputDir: a file to
/// outputDir/<file name>.html, a folder's Pascal sources (walked recursively,
/// in name order) to outputDir/<path below the folder>.html. A source whose
/// page an earlier one already takes (on Windows, by a name that differs
/// only in letter case), whose page is after its links any source of the
/// run, or a PATH or a folder below one that cannot be read, becomes an item
/// with an error.
std::vector<BatchItem> planBatch(const std::vector<std::string>& paths,
                                 const std::string& outputDir);
