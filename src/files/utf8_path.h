#pragma once

#include <filesystem>
#include <string>

/// The path that UTF-8 text names. Windows keeps paths in UTF-16, and a
/// plain std::string would be taken in the code page of the C locale there;
/// elsewhere the bytes stay as they are.
inline std::filesystem::path utf8Path(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

/// The UTF-8 text of a path, as utf8Path takes it.
inline std::string utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
