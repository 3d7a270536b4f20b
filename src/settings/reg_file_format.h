#pragma once

#include "settings/reg_key_tree.h"

#include <stdexcept>
#include <string>
#include <string_view>

/// A REGEDIT4 text that cannot be read: the line it stops at and what is
/// wrong there.
class RegFileSyntaxError : public std::runtime_error {
 public:
  RegFileSyntaxError(int line, const std::string& problem);
  int line() const { return line_; }
  const std::string& problem() const { return problem_; }

 private:
  int line_;
  std::string problem_;
};

/// Reads a REGEDIT4 text: the "REGEDIT4" line, [key] blocks, "Name"=value
/// lines, ; comments and blank lines, with CR LF, LF or CR line ends and
/// backslash continuations of hex data. A key named twice gathers the values
/// of both blocks. Raises RegFileSyntaxError.
RegKeyTree parseRegFile(std::string_view text);

/// Writes the tree as a registry editor exports it: "REGEDIT4", a blank
/// line, then each key's block, parents first, each followed by a blank
/// line; every line ends CR LF.
std::string formatRegFile(const RegKeyTree& tree);
