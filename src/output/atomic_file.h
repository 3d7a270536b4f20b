#pragma once

#include <memory>
#include <ostream>
#include <string>

/// A file written under a temporary name in its target's folder and renamed
/// over the target by commit, so the target is either the old file or the
/// whole new one. Destroyed before commit, it removes the temporary file.
/// Failures raise std::runtime_error "Cannot write file '<name>': <reason>".
class AtomicFile {
 public:
  explicit AtomicFile(std::string fileName);
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
  bool committed_ = false;
};
