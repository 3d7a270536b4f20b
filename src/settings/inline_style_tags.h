#pragma once

#include "engine/tag_set.h"
#include "settings/held_settings.h"
#include "settings/settings_store.h"

#include <string>

/// The tag set of a formatted copy, which must keep its looks where pasted
/// HTML loses class names and <font>: each token class gets one
/// <span style="..."> holding its in-code colour, bold, italic and underline,
/// whatever FormattingMode the store names. DefaultColor and TabSize come from
/// the Settings key; where it is missing, the classic scheme, DefaultColor
/// "000000" and TabSize 2 stand in, as in GetTags' built-in set. A class key
/// that opens overrides its class. A read error goes to the caller.
TagSet GetInlineStyleTags(SettingsStore& store);

/// The declarations of one class's span, such as "color:#008000;
/// font-style:italic"; empty when there is nothing to say. No colour is
/// written where it equals defaultColor (exact text), and none where it is
/// not six hexadecimal digits, which CSS could not take.
std::string inlineStyle(const ClassAttributes& attributes, const std::string& defaultColor);
