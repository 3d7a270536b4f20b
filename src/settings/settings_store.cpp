#include "settings/settings_store.h"

namespace {

std::runtime_error valueError(const char* what, const std::string& name) {
  return std::runtime_error(std::string(what) + " '" + name + "'");
}

}  // namespace

std::runtime_error failedToGetData(const std::string& name) {
  return valueError("Failed to get data for", name);
}

std::runtime_error invalidDataType(const std::string& name) {
  return valueError("Invalid data type for", name);
}

std::runtime_error failedToSetData(const std::string& name) {
  return valueError("Failed to set data for", name);
}

OpenedKey::OpenedKey(SettingsStore& store, const std::string& path, bool create)
    : store_(store), open_(store.openKey(path, create)) {}

OpenedKey::~OpenedKey() {
  if (open_) store_.closeKey();
}

SettingsWriteBatch::SettingsWriteBatch(SettingsStore& store) : store_(store) {
  store_.beginWrite();
}

SettingsWriteBatch::~SettingsWriteBatch() {
  if (!done_) store_.abandonWrite();
}

void SettingsWriteBatch::commit() {
  done_ = true;
  store_.commitWrite();
}
