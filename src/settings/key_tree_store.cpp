#include "settings/key_tree_store.h"

namespace {

std::string treePath(const std::string& path) { return CurrentUserHive + path; }

}  // namespace

bool KeyTreeStore::openKey(const std::string& path, bool create) {
  const auto fullPath = treePath(path);
  if (create) {
    if (!grouping_) loadTreeToChange();
  } else if (!grouping_ && !(readGroups_ > 0 && readGroupLoaded_)) {
    refreshTree();
    readGroupLoaded_ = readGroups_ > 0;
  }
  if (tree_.findKey(fullPath) == nullptr) {
    if (!create) return false;
    tree_.createKey(fullPath);
    if (!grouping_) saveTreeAsIs();
  }
  openPath_ = fullPath;
  return true;
}

const RegValue* KeyTreeStore::findOpenValue(const std::string& name) const {
  const RegKey* key = openPath_ ? tree_.findKey(*openPath_) : nullptr;
  if (key == nullptr) throw failedToGetData(name);
  return key->findValue(name);
}

std::int32_t KeyTreeStore::readInteger(const std::string& name) {
  const RegValue* value = findOpenValue(name);
  if (value == nullptr) throw failedToGetData(name);
  if (value->type != RegDword) throw invalidDataType(name);
  if (value->data.size() != 4) throw failedToGetData(name);
  return static_cast<std::int32_t>(dwordNumber(value->data));
}

std::string KeyTreeStore::readText(const std::string& name) {
  const RegValue* value = findOpenValue(name);
  if (value == nullptr) return {};
  if (value->type != RegSz && value->type != RegExpandSz) throw invalidDataType(name);
  return regTextOf(value->data, tree_.holdsUtf16Text());
}

bool KeyTreeStore::hasValue(const std::string& name) { return findOpenValue(name) != nullptr; }

void KeyTreeStore::writeValue(const std::string& name, RegType type, std::string data) {
  if (!openPath_) throw failedToSetData(name);
  if (!grouping_) loadTreeToChange();
  RegKey* key = tree_.findKey(*openPath_);
  if (key == nullptr) throw failedToSetData(name);
  key->setValue(RegValue{name, type, std::move(data)});
  if (!grouping_) saveTreeAsIs();
}

void KeyTreeStore::writeInteger(const std::string& name, std::int32_t value) {
  writeValue(name, RegDword, dwordData(static_cast<std::uint32_t>(value)));
}

void KeyTreeStore::writeText(const std::string& name, const std::string& value) {
  writeValue(name, RegSz, regTextData(value, tree_.holdsUtf16Text()));
}

void KeyTreeStore::closeKey() noexcept { openPath_.reset(); }

void KeyTreeStore::refreshTree() {
  if (treeIsBackings_ && backingUnchanged()) return;
  treeIsBackings_ = false;
  tree_ = loadTree();
  treeIsBackings_ = true;
}

void KeyTreeStore::loadTreeToChange() {
  const bool current = treeIsBackings_ && backingUnchanged();
  treeIsBackings_ = false;
  if (!current) tree_ = loadTreeForWriting();
}

void KeyTreeStore::saveTreeAsIs() {
  saveTree(tree_);
  treeIsBackings_ = true;
}

void KeyTreeStore::beginWrite() {
  loadTreeToChange();
  grouping_ = true;
}

void KeyTreeStore::commitWrite() {
  grouping_ = false;
  saveTreeAsIs();
}

void KeyTreeStore::abandonWrite() noexcept { grouping_ = false; }

void KeyTreeStore::beginRead() {
  if (readGroups_++ == 0) readGroupLoaded_ = false;
}

void KeyTreeStore::endRead() noexcept { --readGroups_; }
