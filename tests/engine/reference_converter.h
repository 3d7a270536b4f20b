#pragma once

#include "engine/tag_set.h"

#include <string>
#include <vector>

/// A slow conversion that follows the algorithms literally, step by step:
/// the ten-step character scan with its flags and segment lists, 70 whole-word
/// searches per code segment, number marking that shifts a position list
/// after each insertion, the merge of spans and the wrap tables. It carries
/// the four mended faults ("&" escaped, TabSize held to 0..99, NumberClose
/// moving a span that starts where it goes, no CommentOpen on a comment's
/// continuation). The tests compare the fast engine with it.
std::vector<std::string> referenceConvert(const std::vector<std::string>& lines,
                                          const TagSet& tags);

/// The 70 reserved words in the order of the written list, kept apart from
/// the engine's table so that the two can be compared.
const std::vector<std::string>& referenceReservedWords();
