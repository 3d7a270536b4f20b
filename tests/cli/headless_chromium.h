#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

/// What headless Chromium found in a page, as the probe script reports it.
struct PageProbe {
  /// The text of the whole page selected, as a copy would take it.
  std::string selection;
  /// How each word asked for looks: "color weight style underline", as
  /// computed, such as "rgb(0, 128, 0) 400 italic 0".
  std::map<std::string, std::string> looks;
  /// Each line number's box: "right width color weight style content".
  std::vector<std::string> numbers;
};

/// Loads page (its folder's files, such as its style sheet, as a browser
/// finds them) in headless Chromium with a probe script added at its end,
/// and gives back what the probe saw of the words. Raises when Chromium
/// cannot be run or reports nothing.
PageProbe probePage(const std::filesystem::path& page, const std::vector<std::string>& words);
