#include "files/whole_file.h"

#include "files/file_descriptor.h"
#include "files/file_error.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Opens path for reading; raises FileError when it cannot, or when it is a folder.
FileDescriptor openForReading(const std::string& path, int flags, struct stat& info) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags));
  if (!file) throw FileError("read", path, errno);
  if (::fstat(file.get(), &info) != 0) throw FileError("read", path, errno);
  if (S_ISDIR(info.st_mode)) throw FileError("read", path, EISDIR);
  return file;
}

/// Reads the file to its end, or raises "File too large" past maxSize.
std::string readToEnd(const FileDescriptor& file, const struct stat& info, const std::string& path,
                      std::uint64_t maxSize) {
  std::string bytes;
  // The size is a hint only: a growing file or a pipe reads to its end.
  bytes.resize(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled > maxSize) throw FileError("read", path, EFBIG);
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

}  // namespace

std::string readWholeFile(const std::string& path) {
  struct stat info {};
  const FileDescriptor file = openForReading(path, 0, info);
  return readToEnd(file, info, path, AnySize);
}

std::string readRegularFile(const std::string& path, std::uint64_t maxSize) {
  struct stat info {};
  // Not waiting for a FIFO's writer; a regular file reads as ever.
  const FileDescriptor file = openForReading(path, O_NONBLOCK | O_NOCTTY, info);
  if (!S_ISREG(info.st_mode)) throw FileError("read", path, EINVAL, NotARegularFile);
  if (static_cast<std::uint64_t>(info.st_size) > maxSize) throw FileError("read", path, EFBIG);
  return readToEnd(file, info, path, maxSize);
}
