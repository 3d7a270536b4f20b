#include "settings/reg_file_encoding.h"

#include "settings/reg_file_syntax_error.h"
#include "settings/utf16_text.h"

namespace {

constexpr std::string_view Utf16Mark = "\xff\xfe";
constexpr std::string_view Utf8Mark = "\xef\xbb\xbf";
constexpr const char* ExpectedEncodings =
    ": expected UTF-16LE with a byte-order mark, UTF-8 or 8-bit text";

}  // namespace

RegFileText decodeRegFileText(std::string_view bytes) {
  using Encoding = RegFileForm::Encoding;
  if (bytes.starts_with(Utf16Mark)) {
    return {Encoding::Utf16WithMark, utf8FromUtf16Le(bytes.substr(Utf16Mark.size()))};
  }
  if (bytes.starts_with("\xfe\xff")) {
    throw RegFileSyntaxError(1, std::string("the file is UTF-16 big-endian") + ExpectedEncodings);
  }
  // Text of ASCII letters in UTF-16 has a zero in every other byte.
  if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) {
    throw RegFileSyntaxError(
        1, std::string("the file is UTF-16 without a byte-order mark") + ExpectedEncodings);
  }
  if (bytes.starts_with(Utf8Mark)) {
    return {Encoding::Utf8WithMark, std::string(bytes.substr(Utf8Mark.size()))};
  }
  return {Encoding::Bytes, std::string(bytes)};
}

std::string encodeRegFileText(std::string_view text, RegFileForm::Encoding encoding) {
  switch (encoding) {
    case RegFileForm::Encoding::Utf16WithMark:
      return std::string(Utf16Mark) + utf16LeKeepingSurrogates(text);
    case RegFileForm::Encoding::Utf8WithMark:
      return std::string(Utf8Mark) + std::string(text);
    case RegFileForm::Encoding::Bytes:
      break;
  }
  return std::string(text);
}
