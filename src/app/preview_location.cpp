#include "app/preview_location.h"

#include "files/file_error.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

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
  return choosePreviewFolder(findPreviewFolders(programFolder)) + PreviewPageName;
}

bool isPrivateFolder(const std::string& folder) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

void preparePreviewFolder(const std::string& previewFileName, const std::string& programFolder) {
  // Without its last slash, so that lstat sees a link as a link.
  const std::string folder = previewFileName.substr(0, previewFileName.find_last_of('/'));
  if (withSlash(folder) == withSlash(programFolder)) return;
  // The cache folder itself may be missing on a fresh account.
  mkdir(folder.substr(0, folder.find_last_of('/')).c_str(), 0700);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    throw FileError("write", previewFileName, errno);
  if (!isPrivateFolder(folder))
    throw std::runtime_error("Cannot write file '" + previewFileName + "': its folder '" + folder +
                             "' must be a real folder of this user that no one else may use");
}
