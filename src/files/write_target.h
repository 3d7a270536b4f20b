#pragma once

#include <string>

#include <sys/stat.h>

/// Where the content written under a name lands (POSIX).
struct WriteTarget {
  enum class Kind {
    /// Not a regular file (a device, a FIFO, a socket), or reached through a
    /// process's descriptor such as /dev/stdout: written in place.
    InPlace,
    /// A regular file, replaced as a whole.
    Existing,
    /// No file yet.
    Missing
  };

  Kind kind;
  /// The file the name stands for once its symbolic links are followed.
  std::string path;
  /// What lstat says of path, for an Existing file.
  struct stat info;
};

/// The target of fileName, following its symbolic links. Raises FileError
/// "Cannot write file '<fileName>': <reason>" when a link cannot be read or
/// the links go round.
WriteTarget findWriteTarget(const std::string& fileName);

/// The folder that holds path ("." for a bare name).
std::string folderOf(const std::string& path);
