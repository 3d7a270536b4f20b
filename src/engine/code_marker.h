#pragma once

#include "output/tag_set.h"

#include <string>
#include <string_view>

/// Appends a code segment to out with its reserved words and number runs
/// wrapped in their markup. Reserved words that only spaces separate share
/// one pair of markup; anything else between them, a number run included,
/// keeps them apart. One pass; nothing is allocated but out's growth.
void appendMarkedCode(std::string_view code, const TagSet& tags, std::string& out);
