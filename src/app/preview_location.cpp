#include "app/preview_location.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>

namespace {

constexpr const char* PrivateFolderName = "tessaline";

std::string withSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string choosePreviewFolder(const PreviewFolders& folders) {
  if (folders.programFolderIsOwn) return withSlash(folders.programFolder);
  const std::string& base =
      folders.runtimeFolder.empty() ? folders.cacheFolder : folders.runtimeFolder;
  return withSlash(base) + PrivateFolderName + '/';
}

bool isOwnFolder(const std::string& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & S_IWUSR) &&
         !(info.st_mode & (S_IWGRP | S_IWOTH));
}

PreviewFolders findPreviewFolders(const std::string& programFolder) {
  PreviewFolders folders;
  folders.programFolder = programFolder;
  folders.programFolderIsOwn = isOwnFolder(programFolder);
  folders.runtimeFolder = environment("XDG_RUNTIME_DIR");
  folders.cacheFolder = environment("XDG_CACHE_HOME");
  if (folders.cacheFolder.empty()) folders.cacheFolder = environment("HOME") + "/.cache";
  return folders;
}

std::string previewFileNameFor(const std::string& programFolder) {
  const PreviewFolders folders = findPreviewFolders(programFolder);
  const std::string folder = choosePreviewFolder(folders);
  if (!folders.programFolderIsOwn) {
    // A failure shows later, when the preview cannot be written there.
    mkdir((folders.runtimeFolder.empty() ? folders.cacheFolder : folders.runtimeFolder).c_str(),
          0700);
    mkdir(folder.c_str(), 0700);
  }
  return folder + PreviewPageName;
}
