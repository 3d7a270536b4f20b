#pragma once

#include <cstdio>
#include <ostream>
#include <streambuf>

/// Standard output as a stream that keeps the system's reason of its first
/// failed write, so the error can name it.
class StandardOutput : private std::streambuf, public std::ostream {
 public:
  StandardOutput();

  /// Writes out what is buffered. Raises FileError "Cannot write to
  /// standard output: <reason>" when any write failed.
  void finish();

 private:
  int overflow(int c) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

  /// Keeps errno when a write failed; true when all went well so far.
  bool succeeded(bool written);

  int error_ = 0;
};
