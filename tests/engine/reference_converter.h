#pragma once

#include "engine/tag_set.h"

#include <string>
#include <vector>

/// A slow conversion written as plainly as possible: a character scan with
/// flags and segment lists, 70 whole-word searches per code segment, number
/// marking that shifts a position list after each insertion, the merge of
/// spans and the wrap tables. "&" is escaped, TabSize is held to 0..99,
/// NumberClose moves a span that starts where it goes, and a comment's
/// continuation gets no CommentOpen. The tests compare the fast engine with it.
std::vector<std::string> referenceConvert(const std::vector<std::string>& lines,
                                          const TagSet& tags);

/// The 70 reserved words in alphabetical order, kept apart from
/// the engine's table so that the two can be compared.
const std::vector<std::string>& referenceReservedWords();
