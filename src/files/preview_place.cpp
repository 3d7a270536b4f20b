#include "files/preview_place.h"

#include "files/file_error.h"
#include "files/user_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

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

std::string cacheFolder() {
  std::string cache = xdgFolder("XDG_CACHE_HOME");
  if (!cache.empty()) return cache;
  const std::string home = homeFolder();
  return home.empty() || home == "/" ? "" : home + "/.cache";
}

}  // namespace

std::string choosePreviewFolder(const PreviewFolders& folders) {
  if (folders.programFolderIsOwn) return withSlash(folders.programFolder);
  const std::string& base =
      folders.runtimeFolder.empty() ? folders.cacheFolder : folders.runtimeFolder;
  if (base.empty()) return "";
  return withSlash(base) + PrivateFolderName + '/';
}

bool isOwnFolder(const std::string& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & S_IWUSR) &&
         !(info.st_mode & (S_IWGRP | S_IWOTH));
}

bool isSystemFolder(const std::string& folder) {
  for (const std::string_view top : {"/usr", "/opt", "/bin", "/sbin", "/lib", "/etc"}) {
    if (folder.starts_with(top) && (folder.size() == top.size() || folder[top.size()] == '/'))
      return true;
  }
  return false;
}

PreviewFolders findPreviewFolders(const std::string& programFolder) {
  PreviewFolders folders;
  folders.programFolder = programFolder;
  folders.programFolderIsOwn = !isSystemFolder(programFolder) && isOwnFolder(programFolder);
  folders.runtimeFolder = environment("XDG_RUNTIME_DIR");
  folders.cacheFolder = cacheFolder();
  return folders;
}

std::string previewFileNameFor(const std::string& programFolder) {
  const std::string folder = choosePreviewFolder(findPreviewFolders(programFolder));
  return folder.empty() ? "" : folder + PreviewPageName;
}

bool isPrivateFolder(const std::string& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

void preparePreviewFolder(const std::string& previewFileName, const std::string& programFolder) {
  if (previewFileName.empty())
    throw FileError("write", PreviewPageName, ENOENT,
                    "no folder can hold it: the program's folder is not the user's own, and "
                    "neither XDG_RUNTIME_DIR, XDG_CACHE_HOME nor a home folder is set");
  // Without its last slash, so that lstat sees a link as a link.
  const std::string folder = previewFileName.substr(0, previewFileName.find_last_of('/'));
  if (withSlash(folder) == withSlash(programFolder)) return;
  // The cache folder itself may be missing on a fresh account.
  mkdir(folder.substr(0, folder.find_last_of('/')).c_str(), 0700);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    throw FileError("write", previewFileName, errno);
  if (!isPrivateFolder(folder))
    throw FileError(
        "write", previewFileName, EACCES,
        "its folder '" + folder + "' must be a real folder of this user that no one else may use");
}

void PreviewPageRecord::noteWritten(const std::string& fileName) {
  fileName_ = fileName;
  written_ = fileVersionOf(fileName);
}

void PreviewPageRecord::removeIfOwn() const {
  if (written_ && fileVersionOf(fileName_) == written_) std::remove(fileName_.c_str());
}
