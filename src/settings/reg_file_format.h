#pragma once

#include "settings/reg_file_syntax_error.h"
#include "settings/reg_key_tree.h"

#include <string>
#include <string_view>

/// Reads the bytes of a registry file: the header line "REGEDIT4" or
/// "Windows Registry Editor Version 5.00" (UTF-16LE with a byte-order mark,
/// UTF-8 or 8-bit text), [key] blocks, "Name"=value lines, ; comments and
/// blank lines, with CR LF, LF or CR line ends and backslash continuations
/// of hex data. A key named twice gathers the values of both blocks. The
/// tree keeps the file's form. Raises RegFileSyntaxError.
RegKeyTree parseRegFile(std::string_view bytes);

/// Writes the tree as a registry editor exports it, in the tree's form: the
/// header, a blank line, then each key's block, parents first, each followed
/// by a blank line; every line ends CR LF.
std::string formatRegFile(const RegKeyTree& tree);
