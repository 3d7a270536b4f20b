#pragma once

#include <stdexcept>
#include <string>

/// A registry file that cannot be read: the line it stops at and what is
/// wrong there.
class RegFileSyntaxError : public std::runtime_error {
 public:
  RegFileSyntaxError(int line, const std::string& problem)
      : std::runtime_error("line " + std::to_string(line) + ": " + problem),
        line_(line),
        problem_(problem) {}
  int line() const { return line_; }
  const std::string& problem() const { return problem_; }

 private:
  int line_;
  std::string problem_;
};
