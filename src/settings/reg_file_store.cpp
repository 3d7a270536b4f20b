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

std::runtime_error writeError(const std::string& path, int error) {
  return std::runtime_error("Failed to set data for '" + path +
                            "': " + std::generic_category().message(error));
}

/// Replaces the file at once, making its folder when missing. Settings are
/// small, so they reach the disk before the new file takes the old one's place.
void replaceFile(const std::string& path, const std::string& bytes) {
  const auto folder = utf8Path(path).parent_path();
  std::error_code folderError;
  if (!folder.empty()) std::filesystem::create_directories(folder, folderError);
  if (folderError) throw writeError(path, folderError.value());
  try {
    AtomicFile file(path, AtomicFile::Sync::BeforeRename);
    file.stream() << bytes;
    file.commit();
  } catch (const FileError& error) {
    throw writeError(path, error.code().value());
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
    return readWholeFile(path_);
  } catch (const FileError& error) {
    // No file can stand below a missing folder or below a file.
    if (error.code().value() == ENOENT || error.code().value() == ENOTDIR) return std::nullopt;
    // A write keeps what it does not know, so it fails with a file it cannot read.
    if (forWriting) throw writeError(path_, error.code().value());
    throw std::runtime_error(readError(path_, ": " + error.code().message()));
  }
}

RegKeyTree RegFileStore::loadTree() {
  const auto bytes = readBytes(false);
  if (!bytes) return {};
  try {
    return parseRegFile(*bytes);
  } catch (const RegFileSyntaxError& error) {
    throw std::runtime_error(
        readError(path_, ", line " + std::to_string(error.line()) + ": " + error.problem()));
  }
}

RegKeyTree RegFileStore::loadTreeForWriting() {
  unparseable_.reset();
  const auto bytes = readBytes(true);
  if (!bytes) return {};
  try {
    return parseRegFile(*bytes);
  } catch (const RegFileSyntaxError&) {
    unparseable_ = bytes;
    return {};
  }
}

void RegFileStore::saveTree(const RegKeyTree& tree) {
  if (unparseable_) replaceFile(path_ + ".bak", *unparseable_);
  replaceFile(path_, formatRegFile(tree));
  unparseable_.reset();
}
