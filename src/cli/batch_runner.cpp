#include "cli/batch_runner.h"

#include "cli/page_converter.h"
#include "files/file_error.h"
#include "files/utf8_path.h"
#include "output/file_name_rules.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace {

/// The batch's shared account: what is done, and the one writer of standard
/// error while threads run.
class BatchReport {
 public:
  explicit BatchReport(std::size_t total) : total_(total), showProgress_(::isatty(2) == 1) {}

  void succeeded(const BatchItem& item) {
    std::lock_guard lock(mutex_);
    ++result_.converted;
    showProgress(item);
  }

  void failed(const BatchItem& item, const std::string& reason) {
    std::lock_guard lock(mutex_);
    ++result_.failed;
    clearProgress();
    std::cerr << reason << '\n';
    showProgress(item);
  }

  BatchResult finish() {
    clearProgress();
    return result_;
  }

 private:
  using Clock = std::chrono::steady_clock;

  void showProgress(const BatchItem& item) {
    const std::size_t done = result_.converted + result_.failed;
    if (!showProgress_ || (Clock::now() < nextProgress_ && done < total_)) return;
    nextProgress_ = Clock::now() + std::chrono::milliseconds(100);
    std::cerr << "\r\033[K[" << done << '/' << total_ << "] " << item.source << std::flush;
    progressShown_ = true;
  }

  void clearProgress() {
    if (progressShown_) std::cerr << "\r\033[K" << std::flush;
    progressShown_ = false;
  }

  std::mutex mutex_;
  std::size_t total_;
  bool showProgress_;
  bool progressShown_ = false;
  Clock::time_point nextProgress_{};
  BatchResult result_;
};

void convertItem(const BatchItem& item, PageConverter& converter) {
  if (!item.error.empty()) throw std::runtime_error(item.error);
  const std::filesystem::path folder = utf8Path(item.page).parent_path();
  std::error_code error;
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw FileError("write", item.page, error.value());
  converter.convertFile(item.source, item.page, htmlTitle(fileNamePart(item.source)));
}

}  // namespace

BatchResult runBatch(const std::vector<BatchItem>& items, const TagSet& tags, unsigned jobs,
                     bool lineNumbers) {
  BatchReport report(items.size());
  std::atomic<std::size_t> nextItem{0};
  auto work = [&] {
    PageConverter converter(tags, false, lineNumbers);
    for (std::size_t i = nextItem++; i < items.size(); i = nextItem++) {
      try {
        convertItem(items[i], converter);
        report.succeeded(items[i]);
      } catch (const std::exception& error) {
        report.failed(items[i], error.what());
      }
    }
  };
  std::vector<std::jthread> workers;
  const std::size_t threads =
      std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(items.size(), 1));
  for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  workers.clear();
  return report.finish();
}
