#pragma once

#include "engine/code_page.h"
#include "settings/theme.h"

#include <string>
#include <vector>

/// The RTF of a formatted copy, for word processors that take RTF rather
/// than HTML: the lines in the monospaced font at 10 points, each token in
/// its class's in-code look (colour from a table of the colours the looks
/// use, bold, italic, underline), tabs expanded as the HTML expands them.
/// The lines are read in page; every character beyond ASCII is written as a
/// \u escape with "?" for readers that cannot show it, so the RTF itself is
/// ASCII. Lines end with \par but the last, as the plain text ends.
std::string rtfText(const std::vector<std::string>& lines, const Theme& theme, CodePage page);
