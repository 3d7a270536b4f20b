#include "files/windows_device.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool isDeviceStem(const std::string& stem) {
  static constexpr std::array<std::string_view, 4> Plain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(Plain.begin(), Plain.end(), stem) != Plain.end()) return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

bool isWindowsDeviceName(const std::string& path) {
  if (path.starts_with("\\\\.\\") || path.starts_with("//./")) return true;
  const std::size_t slash = path.find_last_of("/\\:");
  std::string_view name(path);
  if (slash != std::string::npos) name.remove_prefix(slash + 1);
  name = name.substr(0, name.find('.'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return isDeviceStem(upperCase(name));
}
