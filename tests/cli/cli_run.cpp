#include "cli_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliSandbox::CliSandbox() : folder_(temp_.path()) {
  fs::create_directories(folder_ / ".no-settings");
}

void CliSandbox::write(const std::string& relativePath, const std::string& bytes) const {
  writeBytes(folder_ / relativePath, bytes);
}

std::string CliSandbox::read(const fs::path& path) const { return readBytes(folder_ / path); }

CliRun CliSandbox::run(const std::vector<std::string>& args, const std::string& stdinFile) const {
  std::string command = "cd " + shellQuoted(folder_.string()) +
                        " && XDG_CONFIG_HOME=" + shellQuoted((folder_ / ".no-settings").string()) +
                        " " + shellQuoted(TESSALINE_CONVERT);
  for (const std::string& arg : args) command += " " + shellQuoted(arg);
  command += " >.out 2>.err";
  command += stdinFile.empty() ? " </dev/null" : " <" + shellQuoted(stdinFile);
  const int status = std::system(command.c_str());
  CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(".out"), read(".err")};
  fs::remove(folder_ / ".out");
  fs::remove(folder_ / ".err");
  return run;
}
