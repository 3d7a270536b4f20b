#include "output/style_sheet_file.h"

#include "files/atomic_file.h"
#include "files/file_error.h"
#include "files/utf8_path.h"

#include <algorithm>
#include <filesystem>

namespace {

bool isAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

/// True when the reference starts with a scheme, such as "http:" or "c:".
bool hasScheme(std::string_view reference) {
  if (reference.empty() || !isAsciiAlpha(reference.front())) return false;
  for (const char c : reference.substr(1)) {
    if (c == ':') return true;
    if (!isAsciiAlpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
      return false;
  }
  return false;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string percentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
        hexValue(text[i + 2]) >= 0) {
      decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

}  // namespace

std::optional<std::string> relativeStyleSheetPath(std::string_view styleSheet) {
  // A browser drops control characters and spaces around an address, and
  // tabs and line breaks anywhere in it.
  const auto isOuter = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!styleSheet.empty() && isOuter(styleSheet.front())) styleSheet.remove_prefix(1);
  while (!styleSheet.empty() && isOuter(styleSheet.back())) styleSheet.remove_suffix(1);
  std::string reference;
  for (const char c : styleSheet)
    if (c != '\t' && c != '\n' && c != '\r') reference += c;
  if (hasScheme(reference)) return std::nullopt;
  reference = reference.substr(0, reference.find_first_of("?#"));
  std::replace(reference.begin(), reference.end(), '\\', '/');
  if (reference.empty() || reference.front() == '/' || reference.back() == '/') return std::nullopt;
  const std::string lastSegment = reference.substr(reference.find_last_of('/') + 1);
  if (lastSegment == "." || lastSegment == "..") return std::nullopt;
  return percentDecoded(reference);
}

std::optional<std::string> linkedStyleSheetPath(const std::string& pagePath,
                                                const std::string& styleSheet) {
  const std::optional<std::string> relative = relativeStyleSheetPath(styleSheet);
  if (!relative) return std::nullopt;
  return utf8Text((utf8Path(pagePath).parent_path() / utf8Path(*relative)).lexically_normal());
}

bool liesInside(const std::string& path, const std::string& folder) {
  const std::filesystem::path below =
      utf8Path(path).lexically_normal().lexically_relative(utf8Path(folder).lexically_normal());
  return !below.empty() && *below.begin() != ".." && below != ".";
}

bool isMissing(const std::string& path) {
  std::error_code error;
  return !std::filesystem::exists(utf8Path(path), error) && !error;
}

std::vector<std::string> writeStyleSheet(const std::string& fileName, const std::string& sheetText,
                                         bool refusePipes) {
  const std::filesystem::path folder = utf8Path(fileName).parent_path();
  std::vector<std::string> made;
  std::error_code error;
  for (std::filesystem::path missing = folder;
       !missing.empty() && !std::filesystem::exists(missing, error) && !error;
       missing = missing.parent_path()) {
    made.insert(made.begin(), utf8Text(missing));
  }
  if (!made.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw FileError("write", fileName, error.value());
  AtomicFile file(fileName, {.refusePipes = refusePipes});
  file.stream().write(sheetText.data(), static_cast<std::streamsize>(sheetText.size()));
  file.commit();
  return made;
}
