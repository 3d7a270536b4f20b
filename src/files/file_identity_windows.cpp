#include "files/file_identity.h"

#include "files/utf8_path.h"
#include "files/windows_handle.h"

#include <windows.h>

namespace {

std::uint64_t joined(DWORD high, DWORD low) { return static_cast<std::uint64_t>(high) << 32 | low; }

}  // namespace

std::optional<FileVersion> fileVersionOf(const std::string& path) {
  // No access asked for: enough to ask about the file, also about a folder.
  const WindowsHandle file(::CreateFileW(
      utf8Path(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.valid() || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  const auto time = [](const FILETIME& at) {
    return static_cast<std::int64_t>(joined(at.dwHighDateTime, at.dwLowDateTime));
  };
  return FileVersion{{info.dwVolumeSerialNumber, joined(info.nFileIndexHigh, info.nFileIndexLow)},
                     joined(info.nFileSizeHigh, info.nFileSizeLow),
                     time(info.ftLastWriteTime),
                     time(info.ftCreationTime)};
}
