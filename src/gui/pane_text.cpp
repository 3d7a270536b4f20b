#include "gui/pane_text.h"

std::string joinPaneLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}
