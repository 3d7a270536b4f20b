#include "files/file_error.h"

#include <system_error>

std::runtime_error fileError(const std::string& action, const std::string& path, int error) {
  return std::runtime_error("Cannot " + action + " file '" + path +
                            "': " + std::generic_category().message(error));
}
