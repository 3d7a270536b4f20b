#include "files/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

[[noreturn]] void raiseSystemError(int error) {
  throw std::system_error(error, std::generic_category());
}

/// A file descriptor closed when the scope ends.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> readFileIfPresent(const std::string& path) {
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  // No file can stand below a missing folder or below a file.
  if (file.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::nullopt;
  if (file.get() < 0) raiseSystemError(errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const auto count = ::read(file.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) raiseSystemError(errno);
    if (count == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(count));
  }
}
