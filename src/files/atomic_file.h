#pragma once

#include <memory>
#include <ostream>
#include <string>

/// A file whose new content takes the old one's place only at commit, so the
/// target is either the old file or the whole new one. A regular file is
/// written as a temporary file in its folder (unnamed where the file system
/// allows it) that commit puts in the target's place, keeping the target's
/// permissions; a device, a FIFO or standard output is written in place. A
/// symbolic link is followed, and stays a link to the new file. An existing
/// file its user may not write is refused and left as it is. Destroyed before
/// commit, it leaves no temporary file. Failures raise FileError
/// "Cannot write file '<name>': <reason>".
class AtomicFile {
 public:
  /// Whether commit waits for the content to reach the disk before the rename:
  /// worth it for a small file that must survive a crash, too slow for
  /// thousands of pages.
  enum class Sync { None, BeforeRename };

  explicit AtomicFile(std::string fileName, Sync sync = Sync::None);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  /// Where the new content goes.
  std::ostream& stream() { return stream_; }
  /// Writes out what is buffered and puts the new file in place of the target.
  void commit();

 private:
  /// The open file, its writes and the way it reaches the target: each
  /// platform's own.
  class Buffer;

  [[noreturn]] void raise(int error) const;

  std::string fileName_;
  std::string tempName_;
  std::unique_ptr<Buffer> buffer_;
  std::ostream stream_;
  Sync sync_;
  bool committed_ = false;
};
