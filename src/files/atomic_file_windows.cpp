// AtomicFile on Windows: the same promise as on POSIX systems, kept with the
// Win32 file functions on wide paths.

#include "files/atomic_file.h"

#include "files/file_error.h"
#include "files/output_buffer.h"
#include "files/utf8_path.h"
#include "files/windows_error.h"

#include <windows.h>

#include <atomic>
#include <cerrno>

/// An output buffer over a file handle.
class AtomicFile::Buffer : public OutputBuffer {
 public:
  explicit Buffer(HANDLE file) : file_(file) {}
  ~Buffer() override { closeFile(); }

  /// Puts what was written on the disk; false (with error() set) when that fails.
  bool syncFile() { return error() == 0 && note(::FlushFileBuffers(file_) ? 0 : lastError()); }

  /// Closes the file; false (with error() set) when that fails.
  bool closeFile() {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = ::CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (!closed) note(lastError());
    return closed;
  }

 private:
  static int lastError() { return errnoOfWindowsError(::GetLastError()); }

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
};

namespace {

/// A name in the target's folder that no other writer uses, not even another
/// thread of this process.
std::string temporaryNameFor(const std::string& fileName) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = fileName.find_last_of("/\\") + 1;
  return fileName.substr(0, slash) + "." + fileName.substr(slash) + ".tmp" +
         std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

/// Puts the temporary file in the target's place: 0, or the errno value of
/// why not.
int putInPlace(const std::wstring& temporary, const std::wstring& target) {
  // Windows refuses to put a file in a folder's place; Wine does not.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return EISDIR;
  // ReplaceFileW would keep the old file's access rights, but Wine's fails on
  // the host's folders (Z:), where builds and tests work.
  if (::MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  return errnoOfWindowsError(::GetLastError());
}

}  // namespace

AtomicFile::AtomicFile(std::string fileName, Sync sync)
    : fileName_(std::move(fileName)), stream_(nullptr), sync_(sync) {
  HANDLE file = INVALID_HANDLE_VALUE;
  do {
    tempName_ = temporaryNameFor(fileName_);
    file = ::CreateFileW(utf8Path(tempName_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  } while (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS);
  if (file == INVALID_HANDLE_VALUE) raise(errnoOfWindowsError(::GetLastError()));
  buffer_ = std::make_unique<Buffer>(file);
  stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() {
  if (committed_) return;
  buffer_.reset();
  ::DeleteFileW(utf8Path(tempName_).c_str());
}

void AtomicFile::commit() {
  stream_.flush();
  if (sync_ == Sync::BeforeRename) buffer_->syncFile();
  if (!buffer_->closeFile() || buffer_->error() != 0) raise(buffer_->error());
  const int error = putInPlace(utf8Path(tempName_).wstring(), utf8Path(fileName_).wstring());
  if (error != 0) raise(error);
  committed_ = true;
}

void AtomicFile::raise(int error) const { throw FileError("write", fileName_, error); }
