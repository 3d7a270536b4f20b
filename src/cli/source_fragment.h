#pragma once

#include "engine/tag_set.h"

#include <string>

/// What the window's Copy Formatted copies of the source at sourcePath ("-":
/// standard input), converted with tags (see GetInlineStyleTags): one <pre>
/// of its lines in UTF-8, a source that is not UTF-8 read in Windows-1252.
/// Raises "Cannot read file '<path>': <reason>".
std::string sourceFragment(const std::string& sourcePath, const TagSet& tags);
