#pragma once

#include "engine/utf8_text.h"

#include <string>
#include <string_view>

// Which code page a unit's bytes are in, and the character each sequence of
// them stands for. A unit that is not UTF-8 comes from Windows, whose ANSI
// code page is Windows-1252.

/// The code page a unit's bytes are read in.
enum class CodePage { Utf8, Windows1252 };

/// The code page of a unit's bytes: UTF-8 when they are well-formed UTF-8,
/// else Windows-1252.
CodePage codePageOf(std::string_view bytes);

/// The Windows-1252 character of a byte. Every byte has one: the five bytes
/// the code page leaves unassigned stand for the control characters of their
/// number (0x81 is U+0081), so no byte is lost on the way.
char16_t windows1252Character(unsigned char byte);

/// The character that text, read in page, starts with and the bytes it takes.
/// A byte that starts no well-formed UTF-8 sequence reads as its
/// Windows-1252 character. text must not be empty.
Utf8Character characterAt(std::string_view text, CodePage page);

/// bytes read in page, as UTF-8.
std::string toUtf8(std::string_view bytes, CodePage page);
