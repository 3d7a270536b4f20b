#include "files/atomic_file.h"

#include "files/file_error.h"

#include <atomic>
#include <cerrno>
#include <streambuf>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

/// An output buffer over a file descriptor that keeps the reason of the first
/// failed write, so the error names it.
class AtomicFile::Buffer : public std::streambuf {
 public:
  explicit Buffer(int fd) : fd_(fd), bytes_(new char[Size]) {
    setp(bytes_.get(), bytes_.get() + Size);
  }
  ~Buffer() override { closeFile(); }

  /// The errno of the first failure, or 0.
  int error() const { return error_; }

  /// Puts what was written on the disk; false (with error() set) when that fails.
  bool syncFile() {
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
    return error_ == 0;
  }

  /// Closes the file; false (with error() set) when that fails.
  bool closeFile() {
    if (fd_ < 0) return true;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!closed && error_ == 0) error_ = errno;
    return closed;
  }

 protected:
  int overflow(int c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  int sync() override { return drain() ? 0 : -1; }

  /// A block that fills the buffer goes to the file straight, uncopied.
  std::streamsize xsputn(const char* bytes, std::streamsize count) override {
    if (count < epptr() - pptr()) return std::streambuf::xsputn(bytes, count);
    if (!drain() || !writeAll(bytes, static_cast<std::size_t>(count))) return 0;
    return count;
  }

 private:
  bool drain() {
    writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(bytes_.get(), bytes_.get() + Size);
    return error_ == 0;
  }

  bool writeAll(const char* bytes, std::size_t count) {
    const char* end = bytes + count;
    while (error_ == 0 && bytes < end) {
      const ssize_t written = ::write(fd_, bytes, static_cast<std::size_t>(end - bytes));
      if (written >= 0)
        bytes += written;
      else if (errno != EINTR)
        error_ = errno;
    }
    return error_ == 0;
  }

  // Left uninitialised: a batch makes one buffer per page.
  static constexpr std::size_t Size = 1 << 16;
  int fd_;
  std::unique_ptr<char[]> bytes_;
  int error_ = 0;
};

namespace {

/// A name in the target's folder that no other writer uses, not even another
/// thread of this process.
std::string temporaryNameFor(const std::string& fileName) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = fileName.find_last_of('/') + 1;
  return fileName.substr(0, slash) + "." + fileName.substr(slash) + ".tmp" +
         std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

AtomicFileError::AtomicFileError(const std::string& fileName, int error)
    : std::runtime_error(fileError("write", fileName, error).what()), error_(error) {}

AtomicFile::AtomicFile(std::string fileName, Sync sync)
    : fileName_(std::move(fileName)), stream_(nullptr), sync_(sync) {
  int fd = -1;
  do {
    tempName_ = temporaryNameFor(fileName_);
    fd = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EEXIST);
  if (fd < 0) raise(errno);
  // A page written over an existing one keeps that file's permissions.
  struct stat target;
  if (::stat(fileName_.c_str(), &target) == 0) ::fchmod(fd, target.st_mode & 07777);
  buffer_ = std::make_unique<Buffer>(fd);
  stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() {
  if (committed_) return;
  buffer_.reset();
  ::unlink(tempName_.c_str());
}

void AtomicFile::commit() {
  stream_.flush();
  if (sync_ == Sync::BeforeRename) buffer_->syncFile();
  if (!buffer_->closeFile() || buffer_->error() != 0) raise(buffer_->error());
  if (::rename(tempName_.c_str(), fileName_.c_str()) != 0) raise(errno);
  committed_ = true;
}

void AtomicFile::raise(int error) const { throw AtomicFileError(fileName_, error); }
