#include "files/write_target.h"

#include "files/file_error.h"

#include <cerrno>

#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int MaxLinks = 40;

/// The text of the link at path.
std::string readLink(const std::string& path, std::size_t sizeHint, const std::string& fileName) {
  std::string text(sizeHint + 1, '\0');
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
    if (length < 0) throw FileError("write", fileName, errno);
    // A link that fills the buffer may have been cut short: read it again.
    if (static_cast<std::size_t>(length) < text.size()) return text.substr(0, length);
    text.resize(text.size() * 2);
  }
}

}  // namespace

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

WriteTarget findWriteTarget(const std::string& fileName) {
  std::string path = fileName;
  for (int links = 0; links <= MaxLinks; ++links) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT) return {WriteTarget::Kind::Missing, path, {}};
      throw FileError("write", fileName, errno);
    }
    if (!S_ISLNK(info.st_mode)) {
      const auto kind =
          S_ISREG(info.st_mode) ? WriteTarget::Kind::Existing : WriteTarget::Kind::InPlace;
      return {kind, path, info};
    }
    // The links below /proc stand for open descriptors, not for paths: only
    // opening the name itself reaches what they stand for.
    if (path.starts_with("/proc/")) return {WriteTarget::Kind::InPlace, fileName, info};
    const std::string link = readLink(path, static_cast<std::size_t>(info.st_size), fileName);
    path = link.starts_with('/') ? link : folderOf(path).append("/").append(link);
  }
  throw FileError("write", fileName, ELOOP);
}
