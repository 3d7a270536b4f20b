#include "settings/reg_file_store.h"

#include "files/atomic_file.h"
#include "files/file_error.h"
#include "files/utf8_path.h"
#include "files/whole_file.h"
#include "settings/reg_file_format.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

std::string readError(const std::string& path, const std::string& reason) {
  return "Cannot read settings file '" + path + "'" + reason;
}

std::runtime_error writeError(const std::string& path, const std::string& reason) {
  return std::runtime_error("Failed to set data for '" + path + "': " + reason);
}

/// Writes the file at once, making its folder when missing. Settings are
/// small, so they reach the disk before the new file takes the old one's
/// place. With keepExisting an existing file stays and FileError "File
/// exists" is raised.
void writeFile(const std::string& path, const std::string& bytes, bool keepExisting) {
  const auto folder = utf8Path(path).parent_path();
  std::error_code folderError;
  if (!folder.empty()) std::filesystem::create_directories(folder, folderError);
  if (folderError) throw writeError(path, folderError.message());
  AtomicFile file(path, {.syncBeforeRename = true, .keepExisting = keepExisting});
  file.stream() << bytes;
  file.commit();
}

void replaceFile(const std::string& path, const std::string& bytes) {
  try {
    writeFile(path, bytes, false);
  } catch (const FileError& error) {
    throw writeError(path, error.reason());
  }
}

/// Keeps bytes under the first free name of path.bak, path.1.bak,
/// path.2.bak and so on: an earlier backup is never replaced.
void keepBackup(const std::string& path, const std::string& bytes) {
  for (int number = 0;; ++number) {
    const std::string name = path + (number == 0 ? "" : "." + std::to_string(number)) + ".bak";
    try {
      writeFile(name, bytes, true);
      return;
    } catch (const FileError& error) {
      if (error.code().value() != EEXIST) throw writeError(name, error.reason());
    }
  }
}

}  // namespace

RegFileStore::RegFileStore(std::string path) : path_(std::move(path)) {}

namespace {

/// Runs a read of one value; a value that is missing or of the wrong type
/// is reported with the file it was read from.
template <typename Read>
auto namingFile(const std::string& path, Read read) {
  try {
    return read();
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(readError(path, std::string(": ") + error.what()));
  }
}

}  // namespace

std::int32_t RegFileStore::readInteger(const std::string& name) {
  return namingFile(path_, [&] { return KeyTreeStore::readInteger(name); });
}

std::string RegFileStore::readText(const std::string& name) {
  return namingFile(path_, [&] { return KeyTreeStore::readText(name); });
}

std::optional<std::string> RegFileStore::readBytes(bool forWriting) const {
  try {
    return readRegularFile(path_, MaxSettingsFileSize);
  } catch (const FileError& error) {
    // No file can stand below a missing folder or below a file.
    if (error.code().value() == ENOENT || error.code().value() == ENOTDIR) return std::nullopt;
    // A write keeps what it does not know, so it fails with a file it cannot read.
    if (forWriting) throw writeError(path_, error.reason());
    throw std::runtime_error(readError(path_, ": " + error.reason()));
  }
}

RegKeyTree RegFileStore::loadTree() {
  const auto bytes = readAhead_ ? std::move(*readAhead_) : readBytes(false);
  readAhead_.reset();
  known_.reset();
  unparseable_.reset();
  if (!bytes) return {};
  try {
    RegKeyTree tree = parseRegFile(*bytes);
    known_ = bytes;
    return tree;
  } catch (const RegFileSyntaxError& error) {
    throw std::runtime_error(
        readError(path_, ", line " + std::to_string(error.line()) + ": " + error.problem()));
  }
}

RegKeyTree RegFileStore::loadTreeForWriting() {
  unparseable_.reset();
  known_.reset();
  const auto bytes = readAhead_ ? std::move(*readAhead_) : readBytes(true);
  readAhead_.reset();
  if (!bytes) return {};
  try {
    return parseRegFile(*bytes);
  } catch (const RegFileSyntaxError&) {
    unparseable_ = bytes;
    return {};
  }
}

void RegFileStore::saveTree(const RegKeyTree& tree) {
  if (unparseable_) keepBackup(path_, *unparseable_);
  known_.reset();
  std::string bytes = formatRegFile(tree);
  replaceFile(path_, bytes);
  known_ = std::move(bytes);
  unparseable_.reset();
}

bool RegFileStore::backingUnchanged() {
  if (!known_) return false;
  // Reading is quick next to parsing a large file. A file that cannot be
  // read now is left to the load, which raises the error its caller names.
  try {
    auto bytes = readBytes(false);
    if (bytes == known_) return true;
    readAhead_ = std::move(bytes);
  } catch (const std::runtime_error&) {
  }
  return false;
}
