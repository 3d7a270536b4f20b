#include "cli/platform.h"

#include "settings/reg_file_store.h"

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

void useBinaryStandardStreams() {}

std::string sameFileKey(const std::string& fileName) { return fileName; }

std::unique_ptr<SettingsStore> userSettingsStore() {
  return std::make_unique<RegFileStore>(defaultSettingsFilePath());
}
