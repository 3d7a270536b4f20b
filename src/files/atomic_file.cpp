#include "files/atomic_file.h"

#include "files/file_descriptor.h"
#include "files/file_error.h"
#include "files/output_buffer.h"
#include "files/pending_temporary.h"
#include "files/temporary_name.h"
#include "files/write_target.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// How the open file reaches its target.
enum class Placement {
  /// Written straight into the target.
  InPlace,
  /// An unnamed file in the target's folder, named at commit.
  Unnamed,
  /// A file under a temporary name in the target's folder.
  Named
};

/// A file opened for a target.
struct OpenedFile {
  FileDescriptor file;
  Placement placement = Placement::InPlace;
  /// The file that commit replaces or writes into.
  std::string target;
  /// The name of a Named file until commit moves it.
  std::unique_ptr<PendingTemporary> temporary;
};

/// Registers a temporary name before the file is made, so that no moment
/// passes in which a signal would leave the file; make makes the file under
/// the name: 0, or the errno value of why not. A name that could not be
/// used is released, never removed: another may hold it.
template <typename Make>
int underTemporaryName(const std::string& target, std::unique_ptr<PendingTemporary>& temporary,
                       Make&& make) {
  for (;;) {
    auto candidate = std::make_unique<PendingTemporary>(temporaryNameFor(target));
    const int error = make(candidate->name());
    if (error == 0) {
      temporary = std::move(candidate);
      return 0;
    }
    candidate->release();
    if (error != EEXIST) return error;
  }
}

/// The errno value of a failed call, or 0.
int errnoUnless(bool succeeded) { return succeeded ? 0 : errno; }

/// Renames from to to unless to exists: 0, or the errno value of why not.
int renameKeepingExisting(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the flag: a second link fails too where the name is taken.
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  ::unlink(from.c_str());
  return 0;
}

}  // namespace

/// The open file: an output buffer over its descriptor that keeps the reason
/// of the first failed write, so the error names it, and how the file
/// reaches its target.
class AtomicFile::Buffer : public OutputBuffer {
 public:
  explicit Buffer(OpenedFile opened) : opened_(std::move(opened)) {}

  bool inPlace() const { return opened_.placement == Placement::InPlace; }

  /// Puts what was written on the disk; false (with error() set) when that fails.
  bool syncFile() { return error() == 0 && note(errnoUnless(::fsync(opened_.file.get()) == 0)); }

  /// Makes the written file the target: 0, or the errno value of why not.
  int finish(bool keepExisting) {
    if (inPlace()) return finishInPlace();
    if (opened_.placement == Placement::Unnamed) {
      const std::string descriptor = "/proc/self/fd/" + std::to_string(opened_.file.get());
      const int error = underTemporaryName(opened_.target, opened_.temporary, [&](auto& name) {
        return errnoUnless(
            ::linkat(AT_FDCWD, descriptor.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0);
      });
      if (error != 0) return error;
    }
    if (const int error = opened_.file.close(); error != 0) return error;
    const std::string& name = opened_.temporary->name();
    const int error = keepExisting
                          ? renameKeepingExisting(name, opened_.target)
                          : errnoUnless(::rename(name.c_str(), opened_.target.c_str()) == 0);
    if (error == 0) opened_.temporary->release();
    return error;
  }

 private:
  /// A regular file written in place ends where the new content ends.
  int finishInPlace() {
    struct stat info {};
    const int fd = opened_.file.get();
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
      const off_t end = ::lseek(fd, 0, SEEK_CUR);
      if (end < 0 || ::ftruncate(fd, end) != 0) return errno;
    }
    return opened_.file.close();
  }

  int writeBytes(const char* bytes, std::size_t count) override {
    const char* end = bytes + count;
    while (bytes < end) {
      const ssize_t written =
          ::write(opened_.file.get(), bytes, static_cast<std::size_t>(end - bytes));
      if (written >= 0)
        bytes += written;
      else if (errno != EINTR)
        return errno;
    }
    return 0;
  }

  OpenedFile opened_;
};

namespace {

/// The target itself, opened for writing over; with refusePipes a FIFO or
/// a socket is refused unopened.
OpenedFile openInPlace(const WriteTarget& target, const std::string& fileName, bool refusePipes) {
  const auto refuse = [&] { return FileError("write", fileName, EINVAL, NotARegularFile); };
  if (refusePipes && (S_ISFIFO(target.info.st_mode) || S_ISSOCK(target.info.st_mode)))
    throw refuse();
  // Not waiting for a reader: a FIFO reached through /proc shows itself only once open.
  const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | (refusePipes ? O_NONBLOCK : 0);
  OpenedFile opened{FileDescriptor(::open(target.path.c_str(), flags)), Placement::InPlace,
                    target.path, nullptr};
  if (!opened.file) throw FileError("write", fileName, errno);
  if (refusePipes) {
    struct stat info {};
    if (::fstat(opened.file.get(), &info) != 0) throw FileError("write", fileName, errno);
    if (S_ISFIFO(info.st_mode)) throw refuse();
    ::fcntl(opened.file.get(), F_SETFL, ::fcntl(opened.file.get(), F_GETFL) & ~O_NONBLOCK);
  }
  return opened;
}

/// A new file in the folder of target: unnamed where the file system allows
/// it, else under a temporary name. Without a descriptor (errno set) when
/// it cannot be made.
OpenedFile createBeside(const std::string& target) {
  OpenedFile opened;
  opened.target = target;
  // Linking an unnamed file in needs /proc; without it, a name from the start.
  if (::access("/proc/self/fd", X_OK) == 0) {
    opened.file =
        FileDescriptor(::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    opened.placement = Placement::Unnamed;
    // File systems without unnamed files say so in one of these ways.
    if (opened.file || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return opened;
  }
  opened.placement = Placement::Named;
  const int error = underTemporaryName(target, opened.temporary, [&](const std::string& name) {
    opened.file =
        FileDescriptor(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    return errnoUnless(static_cast<bool>(opened.file));
  });
  errno = error;
  return opened;
}

/// Gives the new file the owner and group of the file it replaces; false
/// when the user may not, as only root may give a file away.
bool takeOwner(int fd, const struct stat& replaced) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) return false;
  if (made.st_uid == replaced.st_uid && made.st_gid == replaced.st_gid) return true;
  return ::fchown(fd, made.st_uid == replaced.st_uid ? -1 : replaced.st_uid,
                  made.st_gid == replaced.st_gid ? -1 : replaced.st_gid) == 0;
}

/// The file that replaces an existing regular one, or the existing one to
/// write over where a replacement could not keep what the old file had.
OpenedFile openForExisting(const WriteTarget& target, const std::string& fileName) {
  // A rename would replace what its user may not write; root may write anything.
  if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
    throw FileError("write", fileName, errno);
  OpenedFile opened = createBeside(target.path);
  // A folder that takes no new file, a sticky folder's file of another user.
  if (!opened.file && errno != EACCES && errno != EPERM) throw FileError("write", fileName, errno);
  if (!opened.file || !takeOwner(opened.file.get(), target.info))
    return openInPlace(target, fileName, false);
  if (::fchmod(opened.file.get(), target.info.st_mode & 07777) != 0)
    throw FileError("write", fileName, errno);
  return opened;
}

OpenedFile openFor(const WriteTarget& target, const std::string& fileName,
                   const AtomicFile::Options& options) {
  using Kind = WriteTarget::Kind;
  if (options.keepExisting && target.kind != Kind::Missing)
    throw FileError("write", fileName, EEXIST);
  if (target.kind == Kind::InPlace) return openInPlace(target, fileName, options.refusePipes);
  if (target.kind == Kind::Existing) return openForExisting(target, fileName);
  OpenedFile opened = createBeside(target.path);
  if (!opened.file) throw FileError("write", fileName, errno);
  return opened;
}

}  // namespace

AtomicFile::AtomicFile(std::string fileName, Options options)
    : fileName_(std::move(fileName)), options_(options), stream_(nullptr) {
  buffer_ = std::make_unique<Buffer>(openFor(findWriteTarget(fileName_), fileName_, options_));
  stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::commit() {
  stream_.flush();
  if (!buffer_->inPlace() && options_.syncBeforeRename) buffer_->syncFile();
  if (buffer_->error() != 0) raise(buffer_->error());
  if (const int error = buffer_->finish(options_.keepExisting); error != 0) raise(error);
}

void AtomicFile::raise(int error) const { throw FileError("write", fileName_, error); }
