// Whole-file reads on Windows, on wide paths.

#include "files/file_error.h"
#include "files/utf8_path.h"
#include "files/whole_file.h"
#include "files/windows_error.h"
#include "files/windows_handle.h"

#include <windows.h>

#include <cerrno>

namespace {

/// Opens path for reading; raises FileError when it cannot, or when it is a folder.
HANDLE openForReading(const std::string& path) {
  const std::wstring widePath = utf8Path(path).wstring();
  // Windows refuses to open a folder as "access denied"; say what it is.
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    throw FileError("read", path, EISDIR);
  const HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw FileError("read", path, errnoOfWindowsError(::GetLastError()));
  return file;
}

/// Reads the file to its end, or raises "File too large" past maxSize.
std::string readToEnd(const WindowsHandle& file, const std::string& path, std::uint64_t maxSize) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    if (bytes.size() > maxSize) throw FileError("read", path, EFBIG);
    DWORD count = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr))
      throw FileError("read", path, errnoOfWindowsError(::GetLastError()));
    if (count == 0) return bytes;
    bytes.append(buffer, count);
  }
}

}  // namespace

std::string readWholeFile(const std::string& path) {
  const WindowsHandle file(openForReading(path));
  return readToEnd(file, path, AnySize);
}

std::string readRegularFile(const std::string& path, std::uint64_t maxSize) {
  const WindowsHandle file(openForReading(path));
  // A device (NUL, CON) or a pipe is no file on a disk.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK)
    throw FileError("read", path, EINVAL, NotARegularFile);
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.get(), &size) && static_cast<std::uint64_t>(size.QuadPart) > maxSize)
    throw FileError("read", path, EFBIG);
  return readToEnd(file, path, maxSize);
}
