#pragma once

#include <string>
#include <string_view>

/// The UTF-8 text of UTF-16LE bytes; a last odd byte is left out. A lone
/// surrogate from U+DC80 to U+DCFF stands for the byte of its low eight bits
/// (see utf16LeFromUtf8); any other lone surrogate keeps its code in the
/// three-byte form, which no UTF-8 text holds.
std::string utf8FromUtf16Le(std::string_view bytes);

/// The UTF-16LE bytes of UTF-8 text, without a terminating zero. A byte that
/// starts no UTF-8 character becomes the lone surrogate U+DC00 plus the byte,
/// so utf8FromUtf16Le gives any bytes back as they were.
std::string utf16LeFromUtf8(std::string_view text);

/// As utf16LeFromUtf8, except that the three-byte form in which
/// utf8FromUtf16Le writes a lone surrogate becomes that surrogate again
/// (unless it would pair with the unit after it): UTF-16 text that went
/// through utf8FromUtf16Le keeps its code units, lone surrogates included,
/// and any bytes still come back from utf8FromUtf16Le as they were.
std::string utf16LeKeepingSurrogates(std::string_view text);
