#pragma once

#include "engine/tag_set.h"
#include "settings/theme.h"

#include <string>
#include <vector>

/// The tag set of a theme in its mode, as GetTags builds it: in code, each
/// class gets the colour piece (unless its colour is the default colour,
/// compared as text) and <b>, <i>, <u>, beneath them the classic scheme's
/// pieces where it applies; with style sheets, each class whose name the
/// store gave gets a span of that class. Stored texts are attribute-escaped.
/// The style sheet, default colour, mode and tab size come with it.
TagSet tagSetOf(const Theme& theme);

/// The tag set of a formatted copy, which must keep its looks where pasted
/// HTML loses class names and <font>: each class gets one <span style="...">
/// of its in-code look, whatever the mode.
TagSet inlineStyleTagSet(const Theme& theme);

/// The CSS declarations of a class's look, such as "color:#008000" and
/// "font-style:italic", in the order colour, weight, style, decoration; none
/// for what the look does not set. No colour where it equals defaultColor
/// (exact text), and none where it is not six hexadecimal digits, which CSS
/// could not take.
std::vector<std::string> styleDeclarations(const ClassAttributes& look,
                                           const std::string& defaultColor);

/// The declarations of a class's look joined for a style attribute, such as
/// "color:#008000; font-style:italic"; empty when there is nothing to say.
std::string inlineStyle(const ClassAttributes& look, const std::string& defaultColor);
