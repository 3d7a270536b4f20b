#include "cli/linked_style_sheets.h"

#include "output/style_sheet_file.h"

#include <set>

std::vector<std::string> missingStyleSheets(const std::vector<BatchItem>& items,
                                            const std::string& styleSheet,
                                            const std::string& outputDir) {
  std::vector<std::string> missing;
  std::set<std::string> seen;
  for (const BatchItem& item : items) {
    if (!item.error.empty()) continue;
    const auto sheet = linkedStyleSheetPath(item.page, styleSheet);
    if (!sheet || !seen.insert(*sheet).second || !liesInside(*sheet, outputDir)) continue;
    if (isMissing(*sheet)) missing.push_back(*sheet);
  }
  return missing;
}
