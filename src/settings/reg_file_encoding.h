#pragma once

#include "settings/reg_key_tree.h"

#include <string>
#include <string_view>

/// The text of a registry file and how its bytes held it.
struct RegFileText {
  RegFileForm::Encoding encoding;
  std::string text;
};

/// The text of a registry file's bytes: UTF-16LE after its byte-order mark,
/// else the bytes after a UTF-8 byte-order mark, else the bytes themselves.
/// Raises RegFileSyntaxError for UTF-16 without a byte-order mark or
/// big-endian, which a registry editor never writes.
RegFileText decodeRegFileText(std::string_view bytes);

/// The bytes that store the text in that encoding.
std::string encodeRegFileText(std::string_view text, RegFileForm::Encoding encoding);
