#include "files/whole_file.h"

#include "files/file_descriptor.h"
#include "files/file_error.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string readWholeFile(const std::string& path) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) throw FileError("read", path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw FileError("read", path, errno);
  if (S_ISDIR(info.st_mode)) throw FileError("read", path, EISDIR);

  std::string bytes;
  // The size is a hint only: a growing file or a pipe reads to its end.
  bytes.resize(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw FileError("read", path, errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return bytes;
}
