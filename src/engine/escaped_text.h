#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one HTML escaper: code lines, page titles and attribute values all pass
// through it, so no two of them can disagree on an entity.

/// How many spaces one tab becomes for a stored TabSize: the value is held
/// to the dialog's range 0 to 99 first, and a tab never vanishes, so 0 and 1
/// both give one space.
int spacesPerTab(std::int32_t tabSize);

/// Appends text to out as the page shows it: every tab replaced by tabSpaces
/// spaces (no tab stops), then "<", ">" and "&" written as "&lt;", "&gt;" and
/// "&amp;". Every other byte passes unchanged.
void appendEscaped(std::string_view text, int tabSpaces, std::string& out);

/// Text for an HTML element's content: "&", "<" and ">" escaped.
std::string escapeHtmlText(std::string_view text);

/// Text for a double-quoted HTML attribute: "&", "\"", "<" and ">" escaped.
std::string escapeHtmlAttribute(std::string_view text);
