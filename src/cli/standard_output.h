#pragma once

#include "files/output_buffer.h"

#include <ostream>

/// Standard output as a stream that keeps the system's reason of its first
/// failed write, so the error can name it.
class StandardOutput : private OutputBuffer, public std::ostream {
 public:
  StandardOutput();

  /// Writes out what is buffered. Raises FileError "Cannot write to
  /// standard output: <reason>" when any write failed.
  void finish();

 private:
  int writeBytes(const char* bytes, std::size_t count) override;
};
