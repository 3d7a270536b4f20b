#include "settings/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
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
  /// Closes now, reporting what close says (a late write error shows here).
  int release() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

private:
  int fd_;
};

void writeAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const auto count = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) raiseSystemError(errno);
    written += static_cast<std::size_t>(count);
  }
}

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

void replaceFileAtomically(const std::string& path, const std::string& bytes) {
  const auto folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::system_error(error);
  }
  std::string temporaryPath = path + ".XXXXXX";
  FileHandle file(::mkstemp(temporaryPath.data()));
  if (file.get() < 0) raiseSystemError(errno);
  try {
    writeAll(file.get(), bytes);
    if (::fsync(file.get()) != 0 || file.release() != 0) raiseSystemError(errno);
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) raiseSystemError(errno);
  } catch (...) {
    ::unlink(temporaryPath.c_str());
    throw;
  }
}
