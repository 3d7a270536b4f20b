#include "output/file_name_rules.h"

#include "engine/escaped_text.h"

#include <string_view>

namespace {

bool endsWith(const std::string& text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

std::string applyExtensionRule(const std::string& fileName, int selectedFilter) {
  for (std::string_view page : {".html", ".htm", ".shtml"})
    if (endsWith(fileName, page)) return fileName;
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
  return path.substr(path.find_last_of('/') + 1);
}

std::string htmlTitle(const std::string& text) { return escapeHtmlText(text); }
