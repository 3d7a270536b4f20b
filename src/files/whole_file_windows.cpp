// Whole-file reads on Windows, on wide paths.

#include "files/file_error.h"
#include "files/utf8_path.h"
#include "files/whole_file.h"
#include "files/windows_error.h"
#include "files/windows_handle.h"

#include <windows.h>

#include <cerrno>

std::string readWholeFile(const std::string& path) {
  const std::wstring widePath = utf8Path(path).wstring();
  // Windows refuses to open a folder as "access denied"; say what it is.
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    throw FileError("read", path, EISDIR);
  const WindowsHandle file(::CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw FileError("read", path, errnoOfWindowsError(::GetLastError()));
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
