#include "headless_chromium.h"

#include "test_files.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Selects everything, then writes what it sees into a textarea of its own,
// which --dump-dom prints: one record a line, its fields URI-encoded.
constexpr const char* ProbeScript = R"(<script>
(function () {
  var out = [];
  var e = encodeURIComponent;
  document.execCommand("selectAll");
  out.push("selection\t" + e(getSelection().toString()));
  getSelection().removeAllRanges();
  WORDS.forEach(function (word) {
    var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (var node = walker.nextNode(); node; node = walker.nextNode()) {
      if (node.data.indexOf(word) < 0) continue;
      var style = getComputedStyle(node.parentElement);
      var underlined = 0;
      for (var up = node.parentElement; up; up = up.parentElement)
        if (getComputedStyle(up).textDecorationLine.indexOf("underline") >= 0) underlined = 1;
      out.push("look\t" + e(word) + "\t" + e([style.color, style.fontWeight, style.fontStyle,
                                             underlined].join(" ")));
      break;
    }
  });
  document.querySelectorAll("span.tessaline-line").forEach(function (number) {
    var box = number.getBoundingClientRect();
    var style = getComputedStyle(number);
    out.push("number\t" + e([box.right, box.width, style.color, style.fontWeight,
                             style.fontStyle, getComputedStyle(number, "::before").content]
                            .join(" ")));
  });
  var report = document.createElement("textarea");
  report.id = "tessaline-probe";
  report.textContent = out.join("\n");
  document.documentElement.appendChild(report);
})();
</script>
)";

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string jsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') json += '\\';
    json += c;
  }
  return json + "\"";
}

std::string uriDecoded(const std::string& text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

/// The textarea's text as the dump writes it: only "&", "<" and ">" can be
/// escaped in it, and the probe's fields never hold them.
std::string probeReport(const std::string& dom) {
  const std::string start = "<textarea id=\"tessaline-probe\">";
  const auto from = dom.find(start);
  const auto to = dom.find("</textarea>", from);
  if (from == std::string::npos || to == std::string::npos)
    throw std::runtime_error("Chromium reported nothing:\n" + dom);
  return dom.substr(from + start.size(), to - from - start.size());
}

}  // namespace

PageProbe probePage(const fs::path& page, const std::vector<std::string>& words) {
  std::string wordList = "[";
  for (const std::string& word : words)
    wordList += (wordList.size() > 1 ? "," : "") + jsonString(word);
  std::string script = ProbeScript;
  script.replace(script.find("WORDS"), 5, wordList + "]");
  // Beside the page, so that its links lead where the page's do.
  const fs::path probe = page.parent_path() / ("probe-" + page.filename().string());
  writeBytes(probe, readBytes(page) + script);

  const TempFolder profile;
  const fs::path dump = profile.path() / "dom.html";
  const char* chromium = std::getenv("CHROMIUM");
  const std::string command =
      "timeout 120 " + shellQuoted(chromium ? chromium : "chromium") +
      " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
      " --disable-background-networking --disable-component-update --disable-sync"
      " --user-data-dir=" +
      shellQuoted((profile.path() / "profile").string()) + " --dump-dom " +
      shellQuoted("file://" + fs::absolute(probe).string()) + " >" + shellQuoted(dump.string()) +
      " 2>/dev/null";
  const int status = std::system(command.c_str());
  fs::remove(probe);
  if (status != 0) throw std::runtime_error("Chromium failed: " + command);

  PageProbe result;
  std::istringstream report(probeReport(readBytes(dump)));
  for (std::string record; std::getline(report, record);) {
    std::istringstream fields(record);
    std::string kind, first, second;
    std::getline(fields, kind, '\t');
    std::getline(fields, first, '\t');
    std::getline(fields, second, '\t');
    if (kind == "selection") result.selection = uriDecoded(first);
    if (kind == "look") result.looks[uriDecoded(first)] = uriDecoded(second);
    if (kind == "number") result.numbers.push_back(uriDecoded(first));
  }
  return result;
}
