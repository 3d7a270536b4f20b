#pragma once

#include <QString>
#include <cstddef>

// What the main window's status bar says after each command.

/// The out-of-date notice: the source was edited since the HTML pane was
/// last converted, and it does not follow the source.
inline constexpr const char* OutOfDateNotice = "HTML out of date: F5 converts";

/// After Open: "Unit1.pas: 12 lines converted".
QString openedMessage(const QString& fileName, std::size_t lineCount);
/// After Convert / Refresh and the settings dialog's OK: "12 lines converted".
QString convertedMessage(std::size_t lineCount);
/// After a save: "Page saved: <path>".
QString savedMessage(const QString& path);
/// After Copy Output to Clipboard: "12 lines of HTML copied to the clipboard".
QString copiedMessage(std::size_t lineCount);
/// After Copy Formatted: "12 lines copied to the clipboard as formatted HTML and plain text".
QString formattedCopyMessage(std::size_t lineCount);
/// When the source pane's looks could not be read: the looks stay as they were.
QString looksNotReadMessage(const QString& error);
/// When converting as you type failed: the HTML pane is out of date.
QString notFollowedMessage(const QString& error);
