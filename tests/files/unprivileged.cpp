#include "unprivileged.h"

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

/// Runs check in a child process once enter has made its world; what check
/// returns, or what failed on the way.
std::string runInChild(const std::function<bool()>& enter, const std::string& enterFailure,
                       const std::function<std::string()>& check) {
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe to the child";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    const std::string outcome = enter() ? check() : enterFailure;
    const bool sent =
        ::write(channel[1], outcome.data(), outcome.size()) == static_cast<ssize_t>(outcome.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(channel[1]);
  std::string outcome;
  char bytes[4096];
  for (ssize_t got; (got = ::read(channel[0], bytes, sizeof bytes)) > 0;)
    outcome.append(bytes, got);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child failed";
  return outcome;
}

}  // namespace

std::string runUnprivileged(const std::function<std::string()>& check) {
  if (::geteuid() != 0) return check();
  return runInChild(
      [] {
        return ::setgroups(0, nullptr) == 0 && ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0;
      },
      "could not become nobody", check);
}

std::string runWithoutProc(const std::function<std::string()>& check) {
  return runInChild(
      [] {
        return ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               ::mount("tessaline-no-proc", "/proc", "tmpfs", 0, nullptr) == 0;
      },
      "could not hide /proc", check);
}
