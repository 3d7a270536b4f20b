#pragma once

#include <string>

/// The name of the preview page inside its folder.
inline constexpr const char* PreviewPageName = "TessalinePrev.html";

/// The folders the preview page may go to, as found on this machine.
struct PreviewFolders {
  /// The folder of the program's executable.
  std::string programFolder;
  /// Whether that folder is the user's own (see isOwnFolder).
  bool programFolderIsOwn = false;
  /// $XDG_RUNTIME_DIR, empty when unset.
  std::string runtimeFolder;
  /// The user's cache folder ($XDG_CACHE_HOME or ~/.cache).
  std::string cacheFolder;
};

/// The folder for the preview page, ending in "/": the program's folder when
/// it is the user's own; otherwise a private "tessaline" folder in the
/// runtime folder, else in the cache folder. Never a shared folder such as
/// /tmp, where another user could put a link in the page's place.
std::string choosePreviewFolder(const PreviewFolders& folders);

/// True when folder is a real folder (not a link) owned by the current user,
/// who may write in it, and in which nobody else may write.
bool isOwnFolder(const std::string& folder);

/// The folders of this machine and this run for a program in programFolder.
PreviewFolders findPreviewFolders(const std::string& programFolder);

/// PreviewFileName for a program in programFolder: the chosen folder followed
/// by the page's name.
std::string previewFileNameFor(const std::string& programFolder);

/// True when folder is a real folder (not a link) owned by the current user,
/// with no access at all for anyone else.
bool isPrivateFolder(const std::string& folder);

/// Readies the folder of the preview page before each write: the program's
/// folder as it is; a private folder is made (mode 0700, with the cache
/// folder above it) when missing. Raises, and nothing may be written, when
/// it cannot be made or is not private (isPrivateFolder).
void preparePreviewFolder(const std::string& previewFileName, const std::string& programFolder);
