#pragma once

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

/// The failure of an AtomicFile: "Cannot write file '<name>': <reason>", with
/// the system's error number, for callers that word the message their own way.
class AtomicFileError : public std::runtime_error {
 public:
  AtomicFileError(const std::string& fileName, int error);
  /// The errno value of the failure.
  int error() const { return error_; }

 private:
  int error_;
};

/// A file written under a temporary name in its target's folder and renamed
/// over the target by commit, so the target is either the old file or the
/// whole new one. Destroyed before commit, it removes the temporary file.
/// Failures raise AtomicFileError.
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
  class Buffer;

  [[noreturn]] void raise(int error) const;

  std::string fileName_;
  std::string tempName_;
  std::unique_ptr<Buffer> buffer_;
  std::ostream stream_;
  Sync sync_;
  bool committed_ = false;
};
