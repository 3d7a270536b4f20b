#pragma once

#include <string>

/// The save dialog's filters, numbered as the dialog numbers them.
enum SaveFilter { AllFilesFilter = 1, HtmlFilter = 2, HtmFilter = 3, ShtmlFilter = 4 };

/// Appends the selected filter's extension unless the name already ends in
/// ".html", ".htm" or ".shtml" (letter case significant).
std::string applyExtensionRule(const std::string& fileName, int selectedFilter);

/// The file-name part of a path: everything after the last "/" (on Windows,
/// the last "/" or "\").
std::string fileNamePart(const std::string& path);

/// A plain text (a file name) as an HTML title: "&", "<" and ">" escaped,
/// and a CR or LF written as the character reference "&#13;" or "&#10;".
std::string htmlTitle(const std::string& text);
