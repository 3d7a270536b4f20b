#include "output/html_escape.h"

namespace {

std::string escaped(std::string_view text, bool quoteToo) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += quoteToo ? "&quot;" : "\"";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace

std::string escapeHtmlText(std::string_view text) { return escaped(text, false); }

std::string escapeHtmlAttribute(std::string_view text) { return escaped(text, true); }
