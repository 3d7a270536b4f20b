#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The file that a relative style-sheet reference names, relative to the
/// linking page's folder, as a browser reads the link: white space around it
/// and line breaks in it dropped, a query or fragment cut off, "\" taken as
/// "/" and %XX decoded. Nothing for an address with a scheme ("http:",
/// "file:"), a path from the root ("/", "//host"), or a reference that names
/// no file (empty, the page itself, or a folder).
std::optional<std::string> relativeStyleSheetPath(std::string_view styleSheet);

/// The file a page at pagePath links as its style sheet, where styleSheet is
/// a relative reference (see relativeStyleSheetPath); nothing otherwise.
std::optional<std::string> linkedStyleSheetPath(const std::string& pagePath,
                                                const std::string& styleSheet);

/// True when path names something below folder, with no ".." taking it out.
bool liesInside(const std::string& path, const std::string& folder);

/// True only when nothing stands at path: a path that cannot be looked at
/// counts as taken, so that no sheet is written over what may be there.
bool isMissing(const std::string& path);

/// Writes a style sheet atomically, first making the folders it needs that
/// are missing. Gives back the folders it made, outermost first. A failure
/// raises FileError "Cannot write file '<fileName>': <reason>" and leaves
/// any file of that name as it was. A window passes refusePipes, so that a
/// FIFO or socket, whose writer waits for a reader, is refused as "Not a
/// regular file" instead of blocking it; the converter writes them in place.
std::vector<std::string> writeStyleSheet(const std::string& fileName, const std::string& sheetText,
                                         bool refusePipes = false);
