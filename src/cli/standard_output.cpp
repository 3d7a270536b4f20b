#include "cli/standard_output.h"

#include "files/file_error.h"

#include <cerrno>

StandardOutput::StandardOutput() : std::ostream(this) {
  // stdio gathers the writes; a failed one sets errno where it happens.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 18);
}

void StandardOutput::finish() {
  flush();
  if (error_ != 0) throw FileError::standardOutput(error_);
}

bool StandardOutput::succeeded(bool written) {
  if (!written && error_ == 0) error_ = errno != 0 ? errno : EIO;
  return error_ == 0;
}

int StandardOutput::overflow(int c) {
  if (std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof()))
    return std::streambuf::traits_type::not_eof(c);
  errno = 0;
  return succeeded(std::fputc(c, stdout) != EOF) ? c : std::streambuf::traits_type::eof();
}

std::streamsize StandardOutput::xsputn(const char* bytes, std::streamsize count) {
  errno = 0;
  const auto size = static_cast<std::size_t>(count);
  return succeeded(std::fwrite(bytes, 1, size, stdout) == size) ? count : 0;
}

int StandardOutput::sync() {
  errno = 0;
  return succeeded(std::fflush(stdout) == 0) ? 0 : -1;
}
