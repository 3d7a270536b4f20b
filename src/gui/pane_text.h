#pragma once

#include <string>
#include <string_view>
#include <vector>

// A pane holds its lines as one text, every line followed by LF, so that an
// empty last line survives the way back to lines.

/// The pane text of lines: each line followed by LF.
std::string joinPaneLines(const std::vector<std::string>& lines);

/// The lines of a pane text: LF, CR LF and a lone CR end a line; a break at
/// the very end adds no empty line. Every other byte, NUL included, stays.
std::vector<std::string> splitPaneLines(std::string_view text);

/// True when bytes are well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);
