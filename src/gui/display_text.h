#pragma once

#include <QString>
#include <string>

// The one place where the program's byte strings meet QString. Texts the user
// types in dialog boxes and the messages of errors are UTF-8; file names are
// in the local 8-bit encoding of the file system.

/// A UTF-8 byte string (messages, dialog texts) for display.
QString displayText(const std::string& utf8);
/// A dialog box's text as the UTF-8 bytes the settings hold.
std::string heldText(const QString& text);
/// A file name as the file system spells it, for display and dialogs.
QString displayFileName(const std::string& path);
/// A file name from a dialog as the file system's bytes.
std::string fileNameBytes(const QString& path);
