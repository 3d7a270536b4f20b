#pragma once

#include "cli/batch_plan.h"

#include <string>
#include <vector>

/// The style sheets that the pages of a batch link and that are missing:
/// each file the relative reference styleSheet names beside a page, once
/// however many pages link it, and only inside outputDir, which the batch
/// owns. Nothing for an address or an absolute path.
std::vector<std::string> missingStyleSheets(const std::vector<BatchItem>& items,
                                            const std::string& styleSheet,
                                            const std::string& outputDir);
