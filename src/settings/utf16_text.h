#pragma once

#include <string>
#include <string_view>

/// The UTF-8 text of UTF-16LE bytes. A surrogate without its partner keeps
/// its code in the three-byte UTF-8 form, so that utf16LeFromUtf8 gives the
/// same bytes back; a last odd byte is left out.
std::string utf8FromUtf16Le(std::string_view bytes);

/// The UTF-16LE bytes of UTF-8 text, without a terminating zero. A byte that
/// starts no UTF-8 character stands for the character of its code, as in
/// 8-bit Latin-1 text.
std::string utf16LeFromUtf8(std::string_view text);
