#pragma once

#include "files/file_identity.h"

#include <optional>
#include <string>

/// The name of the preview page inside its folder.
inline constexpr const char* PreviewPageName = "TessalinePrev.html";

/// The folders the preview page may go to, as found on this machine.
struct PreviewFolders {
  /// The folder of the program's executable.
  std::string programFolder;
  /// Whether that folder is the user's own (see isOwnFolder) and not a
  /// system folder (see isSystemFolder).
  bool programFolderIsOwn = false;
  /// $XDG_RUNTIME_DIR, empty when unset.
  std::string runtimeFolder;
  /// The user's cache folder ($XDG_CACHE_HOME or ~/.cache), empty when the
  /// user has no home folder to hold one.
  std::string cacheFolder;
};

/// The folder for the preview page, ending in "/": the program's folder when
/// it is the user's own; otherwise a private "tessaline" folder in the
/// runtime folder, else in the cache folder; empty when there is none of
/// them. Never a shared folder such as /tmp, where another user could put a
/// link in the page's place.
std::string choosePreviewFolder(const PreviewFolders& folders);

/// True when folder is a real folder (not a link) owned by the current user,
/// who may write in it, and in which nobody else may write.
bool isOwnFolder(const std::string& folder);

/// True for a folder of the installed system (below /usr, /opt, /bin, /sbin,
/// /lib or /etc), where a package's files live: the program installed there
/// never previews into it, even for root, who owns it.
bool isSystemFolder(const std::string& folder);

/// The folders of this machine and this run for a program in programFolder.
/// Without $HOME the user database names the home folder; a home of "/"
/// counts as none, so that no /.cache is ever made.
PreviewFolders findPreviewFolders(const std::string& programFolder);

/// PreviewFileName for a program in programFolder: the chosen folder followed
/// by the page's name; empty when there is no folder for it.
std::string previewFileNameFor(const std::string& programFolder);

/// True when folder is a real folder (not a link) owned by the current user,
/// with no access at all for anyone else.
bool isPrivateFolder(const std::string& folder);

/// Readies the folder of the preview page before each write: the program's
/// folder as it is; a private folder is made (mode 0700, with the cache
/// folder above it) when missing. Raises FileError, and nothing may be
/// written, when it cannot be made or is not private (isPrivateFolder), or
/// when previewFileName is empty because no folder exists for it.
void preparePreviewFolder(const std::string& previewFileName, const std::string& programFolder);

/// The preview page as this copy of the program last wrote it, so that at
/// exit it deletes only its own page and not one that another copy has
/// written there since.
class PreviewPageRecord {
 public:
  /// Notes the page at fileName as just written by this copy.
  void noteWritten(const std::string& fileName);
  /// Deletes the page when this copy wrote it and it is still the file it
  /// wrote (the same file, size and times of change); any failure is ignored.
  void removeIfOwn() const;

 private:
  std::string fileName_;
  std::optional<FileVersion> written_;
};
