#include "cli/batch_plan.h"

#include "files/file_error.h"

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
  explicit PlanBuilder(const std::string& outputDir) : outputDir_(outputDir) {}

  void addSource(const fs::path& source, const fs::path& pageBelowDir) {
    BatchItem item{
        source.string(), (outputDir_ / pageBelowDir).lexically_normal().string() + ".html", {}};
    const auto [taken, isNew] = pageOwners_.try_emplace(item.page, item.source);
    if (!isNew)
      item.error = "Cannot convert '" + item.source + "': its page '" + item.page +
                   "' is already made from '" + taken->second + "'";
    items_.push_back(std::move(item));
  }

  void addError(const std::string& source, const std::string& error) {
    items_.push_back({source, {}, error});
  }

  std::vector<BatchItem> take() { return std::move(items_); }

 private:
  fs::path outputDir_;
  std::unordered_map<std::string, std::string> pageOwners_;
  std::vector<BatchItem> items_;
};

void addFolder(const fs::path& folder, PlanBuilder& plan) {
  std::vector<fs::path> sources;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && isPascalSourceName(entry.path().filename().string()))
      sources.push_back(entry.path().lexically_relative(folder));
  }
  std::sort(sources.begin(), sources.end());
  for (const fs::path& relative : sources) plan.addSource(folder / relative, relative);
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
    const fs::file_status status = fs::status(path, error);
    if (error) {
      plan.addError(path, FileError("read", path, error.value()).what());
    } else if (fs::is_directory(status)) {
      try {
        addFolder(path, plan);
      } catch (const fs::filesystem_error& walkError) {
        const fs::path& failed = walkError.path1().empty() ? fs::path(path) : walkError.path1();
        plan.addError(path, FileError("read", failed.string(), walkError.code().value()).what());
      }
    } else {
      plan.addSource(path, fs::path(path).filename());
    }
  }
  return plan.take();
}
