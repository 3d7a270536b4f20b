#pragma once

#include "cli/batch_plan.h"
#include "engine/tag_set.h"

#include <cstddef>
#include <vector>

/// How a batch went.
struct BatchResult {
  std::size_t converted = 0;
  std::size_t failed = 0;
};

/// Converts the items into their pages on jobs threads, creating the pages'
/// folders; with lineNumbers, the pages number their lines. Every failure is
/// reported on standard error with its file and reason, and the other items
/// still go on; a progress line is kept there when it is a terminal.
BatchResult runBatch(const std::vector<BatchItem>& items, const TagSet& tags, unsigned jobs,
                     bool lineNumbers = false);
