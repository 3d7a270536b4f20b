#pragma once

#include "engine/tag_set.h"

#include <string>
#include <vector>

/// The HTML of a formatted copy: one <pre> in a monospaced font holding the
/// converted lines, joined by LF, for a clipboard rather than a file. It is
/// declared UTF-8 and passes every byte of the lines through, so the caller
/// hands it lines in UTF-8 or turns the whole of it into UTF-8.
std::string htmlFragment(const std::vector<std::string>& lines, const TagSet& tags);
