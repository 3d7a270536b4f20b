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

CliSandbox::CliSandbox() {
  static std::atomic<int> count{0};
  folder_ = fs::temp_directory_path() /
            ("tessaline-cli-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
  fs::remove_all(folder_);
  fs::create_directories(folder_ / ".no-settings");
}

CliSandbox::~CliSandbox() { fs::remove_all(folder_); }

void CliSandbox::write(const std::string& relativePath, const std::string& bytes) const {
  const fs::path file = folder_ / relativePath;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string CliSandbox::read(const fs::path& path) const {
  std::ifstream in(folder_ / path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

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
