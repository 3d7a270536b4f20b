#pragma once

#include <cstddef>
#include <memory>
#include <streambuf>

/// An output stream buffer that hands its bytes to a file in blocks of 64 KiB
/// and keeps the errno value of the first failure, so the error can name it.
/// A subclass says how bytes reach its file.
class OutputBuffer : public std::streambuf {
 public:
  /// The errno value of the first failure, or 0.
  int error() const { return error_; }

 protected:
  OutputBuffer();

  /// Writes all count bytes to the file: 0, or the errno value of why not.
  virtual int writeBytes(const char* bytes, std::size_t count) = 0;
  /// Notes a failure unless an earlier one is noted; true when none is.
  bool note(int error);

  int overflow(int c) override;
  int sync() override;
  /// A block that fills the buffer goes to the file straight, uncopied.
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

 private:
  bool drain();
  bool writeAll(const char* bytes, std::size_t count);

  // Left uninitialised: a batch makes one buffer per page.
  static constexpr std::size_t Size = 1 << 16;
  std::unique_ptr<char[]> bytes_;
  int error_ = 0;
};
