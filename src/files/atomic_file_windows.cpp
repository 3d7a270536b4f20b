// AtomicFile on Windows: the same promise as on POSIX systems, kept with the
// Win32 file functions on wide paths.

#include "files/atomic_file.h"

#include "files/file_error.h"
#include "files/output_buffer.h"
#include "files/temporary_name.h"
#include "files/utf8_path.h"
#include "files/windows_device.h"
#include "files/windows_error.h"

#include <windows.h>

#include <cerrno>

namespace {

int lastError() { return errnoOfWindowsError(::GetLastError()); }

}  // namespace

/// An output buffer over a file handle: a device written in place, or a
/// temporary file that goes when dropped before commit.
class AtomicFile::Buffer : public OutputBuffer {
 public:
  Buffer(HANDLE file, std::wstring temporary) : file_(file), temporary_(std::move(temporary)) {}
  ~Buffer() override {
    closeFile();
    if (!temporary_.empty()) ::DeleteFileW(temporary_.c_str());
  }

  bool inPlace() const { return temporary_.empty(); }

  /// Puts what was written on the disk; false (with error() set) when that fails.
  bool syncFile() { return error() == 0 && note(::FlushFileBuffers(file_) ? 0 : lastError()); }

  /// Makes the written file the target: 0, or the errno value of why not.
  int finish(const std::wstring& target, bool keepExisting) {
    if (!closeFile()) return error();
    if (inPlace()) return 0;
    // Windows refuses to put a file in a folder's place; Wine does not.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      return EISDIR;
    // ReplaceFileW would keep the old file's access rights, but Wine's fails on
    // the host's folders (Z:), where builds and tests work.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (keepExisting ? 0 : MOVEFILE_REPLACE_EXISTING);
    if (!::MoveFileExW(temporary_.c_str(), target.c_str(), flags)) return lastError();
    temporary_.clear();
    return 0;
  }

 private:
  bool closeFile() {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = ::CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!closed) note(lastError());
    return closed && error() == 0;
  }

  int writeBytes(const char* bytes, std::size_t count) override {
    const char* end = bytes + count;
    while (bytes < end) {
      DWORD written = 0;
      if (!::WriteFile(file_, bytes, static_cast<DWORD>(end - bytes), &written, nullptr))
        return lastError();
      bytes += written;
    }
    return 0;
  }

  HANDLE file_;
  std::wstring temporary_;
};

namespace {

/// Refuses a target that may not be replaced: raises FileError.
void checkReplaceable(const std::string& fileName, bool keepExisting) {
  const DWORD attributes = ::GetFileAttributesW(utf8Path(fileName).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (keepExisting) throw FileError("write", fileName, EEXIST);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw FileError("write", fileName, EISDIR);
  // A read-only file is one its user may not write, as on POSIX systems.
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) throw FileError("write", fileName, EACCES);
}

}  // namespace

AtomicFile::AtomicFile(std::string fileName, Options options)
    : fileName_(std::move(fileName)), options_(options), stream_(nullptr) {
  if (isWindowsDeviceName(fileName_)) {
    const HANDLE device = ::CreateFileW(utf8Path(fileName_).c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) raise(lastError());
    buffer_ = std::make_unique<Buffer>(device, std::wstring());
  } else {
    checkReplaceable(fileName_, options_.keepExisting);
    HANDLE file = INVALID_HANDLE_VALUE;
    std::wstring temporary;
    do {
      temporary = utf8Path(temporaryNameFor(fileName_)).wstring();
      file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    } while (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS);
    if (file == INVALID_HANDLE_VALUE) raise(lastError());
    buffer_ = std::make_unique<Buffer>(file, temporary);
  }
  stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::commit() {
  stream_.flush();
  if (!buffer_->inPlace() && options_.syncBeforeRename) buffer_->syncFile();
  if (buffer_->error() != 0) raise(buffer_->error());
  const int error = buffer_->finish(utf8Path(fileName_).wstring(), options_.keepExisting);
  if (error != 0) raise(error);
}

void AtomicFile::raise(int error) const { throw FileError("write", fileName_, error); }
