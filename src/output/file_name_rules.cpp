#include "output/file_name_rules.h"

#include "engine/escaped_text.h"

#include <filesystem>
#include <string_view>

std::string applyExtensionRule(const std::string& fileName, int selectedFilter) {
  for (std::string_view page : {".html", ".htm", ".shtml"})
    if (fileName.ends_with(page)) return fileName;
  switch (selectedFilter) {
    case HtmlFilter:
      return fileName + ".html";
    case HtmFilter:
      return fileName + ".htm";
    case ShtmlFilter:
      return fileName + ".shtml";
    default:
      return fileName;
  }
}

std::string fileNamePart(const std::string& path) {
  // Windows takes "\\" as well as "/" between folders.
  constexpr const char* separators =
      std::filesystem::path::preferred_separator == '/' ? "/" : "/\\";
  return path.substr(path.find_last_of(separators) + 1);
}

std::string htmlTitle(const std::string& text) {
  std::string title = escapeHtmlText(text);
  // A line break would split the title row, whose rows end CR LF.
  for (std::size_t at = title.find_first_of("\r\n"); at != std::string::npos;
       at = title.find_first_of("\r\n", at)) {
    const std::string reference = title[at] == '\r' ? "&#13;" : "&#10;";
    title.replace(at, 1, reference);
    at += reference.size();
  }
  return title;
}
