#include "files/atomic_file.h"

#include "files/file_descriptor.h"
#include "files/file_error.h"
#include "files/output_buffer.h"
#include "files/write_target.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

/// How the open file reaches its target.
enum class Placement {
  /// Written straight into the target.
  InPlace,
  /// An unnamed file in the target's folder, linked in at commit.
  Unnamed,
  /// A file under a temporary name in the target's folder.
  Named
};

/// A file opened for a target.
struct OpenedFile {
  FileDescriptor file;
  Placement placement;
  /// The file that commit replaces or writes into.
  std::string target;
};

}  // namespace

/// The open file: an output buffer over its descriptor that keeps the reason
/// of the first failed write, so the error names it, and how the file
/// reaches its target.
class AtomicFile::Buffer : public OutputBuffer {
 public:
  explicit Buffer(OpenedFile opened)
      : placement(opened.placement),
        target(std::move(opened.target)),
        file_(std::move(opened.file)) {}

  const Placement placement;
  const std::string target;

  int fd() const { return file_.get(); }

  /// Puts what was written on the disk; false (with error() set) when that fails.
  bool syncFile() { return error() == 0 && note(::fsync(file_.get()) == 0 ? 0 : errno); }

  /// Closes the file; false (with error() set) when that fails.
  bool closeFile() {
    const int closeError = file_.close();
    note(closeError);
    return closeError == 0;
  }

 private:
  int writeBytes(const char* bytes, std::size_t count) override {
    const char* end = bytes + count;
    while (bytes < end) {
      const ssize_t written = ::write(file_.get(), bytes, static_cast<std::size_t>(end - bytes));
      if (written >= 0)
        bytes += written;
      else if (errno != EINTR)
        return errno;
    }
    return 0;
  }

  FileDescriptor file_;
};

namespace {

/// A name beside target that no other writer uses, not even another thread
/// of this process.
std::string temporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.find_last_of('/') + 1;
  return target.substr(0, slash) + "." + target.substr(slash) + ".tmp" +
         std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

/// Opens a new file under a temporary name beside target; sets tempName.
FileDescriptor openNamed(const std::string& target, std::string& tempName) {
  FileDescriptor file;
  do {
    tempName = temporaryNameFor(target);
    file = FileDescriptor(::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  } while (!file && errno == EEXIST);
  return file;
}

/// Gives the unnamed file behind fd a temporary name beside target; sets
/// tempName. False (errno set) when that fails.
bool linkUnnamed(int fd, const std::string& target, std::string& tempName) {
  const std::string descriptor = "/proc/self/fd/" + std::to_string(fd);
  for (;;) {
    tempName = temporaryNameFor(target);
    if (::linkat(AT_FDCWD, descriptor.c_str(), AT_FDCWD, tempName.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) {
      tempName.clear();
      return false;
    }
  }
}

/// The open file for target, and how it will reach it.
OpenedFile openFor(const WriteTarget& target, const std::string& fileName, std::string& tempName) {
  using Kind = WriteTarget::Kind;
  if (target.kind == Kind::InPlace) {
    // O_TRUNC matters only for a regular file reached through /proc.
    FileDescriptor file(::open(fileName.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY));
    if (!file) throw FileError("write", fileName, errno);
    return {std::move(file), Placement::InPlace, fileName};
  }
  // A rename would replace what its user may not write; root may write anything.
  if (target.kind == Kind::Existing &&
      ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
    throw FileError("write", fileName, errno);

  // Linking an unnamed file in needs /proc; without it, a name from the start.
  FileDescriptor file;
  Placement placement = Placement::Named;
  if (::access("/proc/self/fd", X_OK) == 0) {
    file = FileDescriptor(
        ::open(folderOf(target.path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file) placement = Placement::Unnamed;
    // File systems without unnamed files say so in one of these ways.
    else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
      throw FileError("write", fileName, errno);
  }
  if (!file) file = openNamed(target.path, tempName);
  if (!file) throw FileError("write", fileName, errno);
  // A file written over an existing one keeps that file's permissions.
  if (target.kind == Kind::Existing) ::fchmod(file.get(), target.info.st_mode & 07777);
  return {std::move(file), placement, target.path};
}

}  // namespace

AtomicFile::AtomicFile(std::string fileName, Sync sync)
    : fileName_(std::move(fileName)), stream_(nullptr), sync_(sync) {
  buffer_ = std::make_unique<Buffer>(openFor(findWriteTarget(fileName_), fileName_, tempName_));
  stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() {
  if (committed_) return;
  buffer_.reset();
  if (!tempName_.empty()) ::unlink(tempName_.c_str());
}

void AtomicFile::commit() {
  stream_.flush();
  if (buffer_->placement != Placement::InPlace && sync_ == Sync::BeforeRename) buffer_->syncFile();
  if (buffer_->error() != 0) raise(buffer_->error());
  if (buffer_->placement == Placement::Unnamed &&
      !linkUnnamed(buffer_->fd(), buffer_->target, tempName_))
    raise(errno);
  if (!buffer_->closeFile()) raise(buffer_->error());
  if (buffer_->placement != Placement::InPlace &&
      ::rename(tempName_.c_str(), buffer_->target.c_str()) != 0)
    raise(errno);
  committed_ = true;
}

void AtomicFile::raise(int error) const { throw FileError("write", fileName_, error); }
