#pragma once

#include "engine/code_page.h"

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

// The one place that turns a unit's bytes into Qt's characters and back, in
// the code page engine/code_page.h finds for them.

/// The characters of bytes read in page. Windows-1252 gives every byte a
/// character, the five bytes it leaves unassigned included (0x81 is U+0081),
/// so no byte is lost on the way.
QString decodeText(std::string_view bytes, CodePage page);

/// The bytes of text written in page. A character Windows-1252 cannot hold
/// becomes "?", as in an ANSI edit box.
std::string encodeText(QStringView text, CodePage page);
