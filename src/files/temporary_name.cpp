#include "files/temporary_name.h"

#include <atomic>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr const char* FolderSeparators = "/\\";
int processId() { return ::_getpid(); }
#else
constexpr const char* FolderSeparators = "/";
int processId() { return static_cast<int>(::getpid()); }
#endif

}  // namespace

std::string temporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.find_last_of(FolderSeparators) + 1;
  return target.substr(0, slash) + "." + target.substr(slash) + ".tmp" +
         std::to_string(processId()) + "-" + std::to_string(counter++);
}
