// Whole-file reads on Windows, on wide paths.

#include "files/file_error.h"
#include "files/utf8_path.h"
#include "files/whole_file.h"
#include "files/windows_error.h"

#include <windows.h>

#include <cerrno>

namespace {

/// A file handle closed when the scope ends.
class FileHandle {
 public:
  explicit FileHandle(HANDLE file) : file_(file) {}
  ~FileHandle() {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  HANDLE get() const { return file_; }

 private:
  HANDLE file_;
};

}  // namespace

std::string readWholeFile(const std::string& path) {
  const std::wstring widePath = utf8Path(path).wstring();
  // Windows refuses to open a folder as "access denied"; say what it is.
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    throw FileError("read", path, EISDIR);
  const FileHandle file(::CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE)
    throw FileError("read", path, errnoOfWindowsError(::GetLastError()));
  std::string bytes;
  char buffer[65536];
  for (;;) {
    DWORD count = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr))
      throw FileError("read", path, errnoOfWindowsError(::GetLastError()));
    if (count == 0) return bytes;
    bytes.append(buffer, count);
  }
}
