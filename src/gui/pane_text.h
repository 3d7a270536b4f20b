#pragma once

#include <string>
#include <vector>

// A pane holds its lines as one text, every line followed by LF, so that an
// empty last line survives the way back to lines (splitLines in
// engine/source_lines.h cuts them again).

/// The pane text of lines: each line followed by LF.
std::string joinPaneLines(const std::vector<std::string>& lines);
