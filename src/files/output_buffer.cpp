#include "files/output_buffer.h"

OutputBuffer::OutputBuffer() : bytes_(new char[Size]) { setp(bytes_.get(), bytes_.get() + Size); }

bool OutputBuffer::note(int error) {
  if (error_ == 0) error_ = error;
  return error_ == 0;
}

int OutputBuffer::overflow(int c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int OutputBuffer::sync() { return drain() ? 0 : -1; }

std::streamsize OutputBuffer::xsputn(const char* bytes, std::streamsize count) {
  if (count < epptr() - pptr()) return std::streambuf::xsputn(bytes, count);
  if (!drain() || !writeAll(bytes, static_cast<std::size_t>(count))) return 0;
  return count;
}

bool OutputBuffer::drain() {
  writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(bytes_.get(), bytes_.get() + Size);
  return error_ == 0;
}

bool OutputBuffer::writeAll(const char* bytes, std::size_t count) {
  return error_ == 0 && note(writeBytes(bytes, count));
}
