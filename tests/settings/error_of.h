#pragma once

#include <functional>
#include <stdexcept>
#include <string>

/// The message of the std::runtime_error that action raises, or "no error".
inline std::string errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}
