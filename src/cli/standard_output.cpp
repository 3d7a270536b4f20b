#include "cli/standard_output.h"

#include "files/file_error.h"

#include <cerrno>
#include <cstdio>

StandardOutput::StandardOutput() : std::ostream(static_cast<OutputBuffer*>(this)) {
  // The stream gathers the writes already; a failed one sets errno where it happens.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
}

void StandardOutput::finish() {
  flush();
  if (error() != 0) throw FileError::standardOutput(error());
}

int StandardOutput::writeBytes(const char* bytes, std::size_t count) {
  errno = 0;
  if (std::fwrite(bytes, 1, count, stdout) == count && std::fflush(stdout) == 0) return 0;
  return errno != 0 ? errno : EIO;
}
