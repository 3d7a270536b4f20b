#pragma once

#include <string>
#include <string_view>

/// Text for an HTML element's content: "&", "<" and ">" escaped.
std::string escapeHtmlText(std::string_view text);

/// Text for a double-quoted HTML attribute: "&", "\"", "<" and ">" escaped.
std::string escapeHtmlAttribute(std::string_view text);
