#pragma once

#include "engine/tag_set.h"

#include <cstddef>
#include <string>
#include <string_view>

/// Appends the code of line that begins at begin and runs up to the next
/// comment or string (or the line's end), escaped, with its reserved words and
/// number runs wrapped in their markup, and returns where that code ends.
/// Reserved words that only spaces separate share one pair of markup; anything
/// else between them, a number run included, keeps them apart. One pass;
/// nothing is allocated but out's growth.
std::size_t appendMarkedCode(std::string_view line, std::size_t begin, int tabSpaces,
                             const TagSet& tags, std::string& out);
