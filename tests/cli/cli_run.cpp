#include "cli_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliRun CliSandbox::run(const std::vector<std::string>& args, const std::string& stdinFile,
                       const RunOptions& options) const {
  std::string command = "cd " + shellQuoted(folder_.string()) + " && " + options.before +
                        (options.before.empty() ? "" : "; ") +
                        "XDG_CONFIG_HOME=" + shellQuoted((folder_ / ".no-settings").string());
  if (options.unprivileged && ::geteuid() == 0)
    command += " setpriv --reuid=nobody --regid=nogroup --clear-groups";
  command += " " + shellQuoted(TESSALINE_CONVERT);
  for (const std::string& arg : args) command += " " + shellQuoted(arg);
  command += " >" + (options.standardOutput.empty() ? ".out" : options.standardOutput) + " 2>.err";
  command += stdinFile.empty() ? " </dev/null" : " <" + shellQuoted(stdinFile);
  const int status = std::system(command.c_str());
  CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(".out"), read(".err")};
  fs::remove(folder_ / ".out");
  fs::remove(folder_ / ".err");
  return run;
}
