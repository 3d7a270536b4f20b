#pragma once

#include <memory>
#include <ostream>
#include <string>

/// A file whose new content takes the old one's place only at commit, so the
/// target is either the old file or the whole new one. A regular file is
/// written as a temporary file in its folder (unnamed where the file system
/// allows it) that commit puts in the target's place, keeping the target's
/// permissions and owner; a device, a FIFO or standard output is written in
/// place. An existing file that its user may write but that cannot be
/// replaced so (its folder takes no new file, or its owner could not be
/// kept) is written in place too, as editors do. A symbolic link is followed,
/// and stays a link to the new file. An existing file its user may not write
/// is refused and left as it is. Destroyed before commit, it leaves no
/// temporary file. Failures raise FileError "Cannot write file '<name>':
/// <reason>".
class AtomicFile {
 public:
  struct Options {
    /// Commit waits for the content to reach the disk before the rename:
    /// worth it for a small file that must survive a crash, too slow for
    /// thousands of pages.
    bool syncBeforeRename = false;
    /// A FIFO or a socket, whose writer waits for a reader, is refused as
    /// "Not a regular file" instead of written in place: a window must not
    /// hang on one.
    bool refusePipes = false;
    /// An existing file is never replaced: the write fails with "File
    /// exists" and leaves it.
    bool keepExisting = false;
  };

  explicit AtomicFile(std::string fileName) : AtomicFile(std::move(fileName), Options{}) {}
  AtomicFile(std::string fileName, Options options);
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
  Options options_;
  std::unique_ptr<Buffer> buffer_;
  std::ostream stream_;
};
