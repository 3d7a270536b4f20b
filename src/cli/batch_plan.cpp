#include "cli/batch_plan.h"

#include "cli/page_converter.h"
#include "cli/platform.h"
#include "files/file_error.h"
#include "files/file_identity.h"
#include "files/utf8_path.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

/// Collects items in order and refuses a page that an earlier item takes.
class PlanBuilder {
 public:
  explicit PlanBuilder(const std::string& outputDir) : outputDir_(utf8Path(outputDir)) {}

  void addSource(const fs::path& source, const fs::path& pageBelowDir) {
    BatchItem item{
        utf8Text(source), utf8Text((outputDir_ / pageBelowDir).lexically_normal()) + ".html", {}};
    const auto [taken, isNew] = pageOwners_.try_emplace(sameFileKey(item.page), item.source);
    if (!isNew)
      item.error = "Cannot convert '" + item.source + "': its page '" + item.page +
                   "' is already made from '" + taken->second + "'";
    items_.push_back(std::move(item));
  }

  void addError(const std::string& source, const std::string& error) {
    items_.push_back({source, {}, error});
  }

  std::vector<BatchItem> take() {
    refusePagesOnSources();
    return std::move(items_);
  }

 private:
  /// A page that is, after its links, any source of the run would take that
  /// source's place.
  void refusePagesOnSources() {
    std::unordered_map<FileIdentity, const std::string*, FileIdentityHash> sources;
    for (const BatchItem& item : items_)
      if (const auto identity = fileIdentityOf(item.source))
        sources.try_emplace(*identity, &item.source);
    for (BatchItem& item : items_) {
      if (!item.error.empty()) continue;
      const auto identity = fileIdentityOf(item.page);
      const auto found = identity ? sources.find(*identity) : sources.end();
      if (found != sources.end()) item.error = pageOnSourceError(item.page, *found->second).what();
    }
  }

  fs::path outputDir_;
  std::unordered_map<std::string, std::string> pageOwners_;
  std::vector<BatchItem> items_;
};

/// The entries of one folder: Pascal sources (links to files count) and the
/// folders below it (links to folders are not walked).
void readFolder(const fs::path& folder, const fs::path& below, std::vector<fs::path>& sources,
                std::vector<fs::path>& folders, std::error_code& error) {
  for (fs::directory_iterator entry(below.empty() ? folder : folder / below, error);
       !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code typeError;
    const fs::path name = below / entry->path().filename();
    if (entry->is_directory(typeError) && !entry->is_symlink(typeError))
      folders.push_back(name);
    else if (entry->is_regular_file(typeError) && isPascalSourceName(utf8Text(name.filename())))
      sources.push_back(name);
  }
}

/// Adds the folder's Pascal sources, walked recursively, in name order; a
/// folder below it that cannot be read becomes an item with an error, and
/// the walk goes on past it.
void addFolder(const fs::path& folder, PlanBuilder& plan) {
  std::vector<fs::path> sources;
  std::vector<fs::path> pending{fs::path()};
  std::vector<std::pair<fs::path, std::error_code>> unreadable;
  while (!pending.empty()) {
    const fs::path below = std::move(pending.back());
    pending.pop_back();
    std::error_code error;
    readFolder(folder, below, sources, pending, error);
    if (error) unreadable.emplace_back(below.empty() ? folder : folder / below, error);
  }
  std::sort(sources.begin(), sources.end());
  for (const fs::path& relative : sources) plan.addSource(folder / relative, relative);
  std::sort(unreadable.begin(), unreadable.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [path, error] : unreadable)
    plan.addError(utf8Text(path), FileError("read", utf8Text(path), error.value()).what());
}

}  // namespace

bool isPascalSourceName(const std::string& fileName) {
  static constexpr std::array<std::string_view, 7> extensions = {".pas", ".pp",  ".inc", ".dpr",
                                                                 ".dpk", ".lpr", ".dfm"};
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return false;
  std::string extension = fileName.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

std::vector<BatchItem> planBatch(const std::vector<std::string>& paths,
                                 const std::string& outputDir) {
  PlanBuilder plan(outputDir);
  for (const std::string& path : paths) {
    std::error_code error;
    const fs::file_status status = fs::status(utf8Path(path), error);
    if (error) {
      plan.addError(path, FileError("read", path, error.value()).what());
    } else if (fs::is_directory(status)) {
      addFolder(utf8Path(path), plan);
    } else {
      plan.addSource(utf8Path(path), utf8Path(path).filename());
    }
  }
  return plan.take();
}
