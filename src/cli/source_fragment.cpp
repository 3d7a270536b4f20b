#include "cli/source_fragment.h"

#include "cli/page_converter.h"
#include "engine/code_page.h"
#include "engine/source_lines.h"
#include "output/html_fragment.h"

std::string sourceFragment(const std::string& sourcePath, const TagSet& tags) {
  std::ifstream file;
  std::istream& in = openSource(sourcePath, file);
  const std::string bytes = readAllOf(in, sourcePath);
  // The window reads the source in its code page and copies characters, so
  // the fragment is UTF-8 whatever the source was.
  return htmlFragment(splitSourceLines(toUtf8(bytes, codePageOf(bytes))), tags);
}
