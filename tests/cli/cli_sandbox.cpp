#include "cli_run.h"
#include "files/utf8_path.h"

namespace fs = std::filesystem;

CliSandbox::CliSandbox() : folder_(temp_.path()) {
  fs::create_directories(folder_ / ".no-settings");
}

void CliSandbox::write(const std::string& relativePath, const std::string& bytes) const {
  writeBytes(folder_ / utf8Path(relativePath), bytes);
}

std::string CliSandbox::read(const fs::path& path) const { return readBytes(folder_ / path); }
