#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

/// What tells one file from another however it is named or linked: its
/// device and inode on POSIX systems, its volume and file index on Windows.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t file = 0;

  bool operator==(const FileIdentity&) const = default;
};

/// FileIdentity as a key of an unordered container.
struct FileIdentityHash {
  std::size_t operator()(const FileIdentity& identity) const {
    return std::hash<std::uint64_t>()(identity.file * 31 + identity.device);
  }
};

/// What changes whenever a file is replaced or written: its identity, size
/// and times of change (in the system's own units).
struct FileVersion {
  FileIdentity identity;
  std::uint64_t size = 0;
  std::int64_t modified = 0;
  std::int64_t changed = 0;

  bool operator==(const FileVersion&) const = default;
};

/// The version of the file that path names, its links followed; nothing
/// when no file is there or it cannot be reached.
std::optional<FileVersion> fileVersionOf(const std::string& path);

/// The identity of the file that path names, its links followed; nothing
/// when no file is there or it cannot be reached.
inline std::optional<FileIdentity> fileIdentityOf(const std::string& path) {
  const auto version = fileVersionOf(path);
  if (!version) return std::nullopt;
  return version->identity;
}
