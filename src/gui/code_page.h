#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

// The one place that says which code page a unit's bytes are in and turns
// them into characters and back. A unit that is not UTF-8 comes from Windows,
// whose ANSI code page is Windows-1252.

/// The code page a pane's bytes are read in.
enum class CodePage { Utf8, Windows1252 };

/// The code page of a unit's bytes: UTF-8 when they are well-formed UTF-8,
/// else Windows-1252.
CodePage codePageOf(std::string_view bytes);

/// The characters of bytes read in page. Windows-1252 gives every byte a
/// character, the five bytes it leaves unassigned included (0x81 is U+0081),
/// so no byte is lost on the way.
QString decodeText(std::string_view bytes, CodePage page);

/// The bytes of text written in page. A character Windows-1252 cannot hold
/// becomes "?", as in an ANSI edit box.
std::string encodeText(QStringView text, CodePage page);
