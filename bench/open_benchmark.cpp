// Opens generated units of 10 MB and 50 MB through the main window and
// prints how long reading, converting and filling the panes took, and the
// process's peak memory. Run by hand (offscreen, release build):
//   QT_QPA_PLATFORM=offscreen build/bench/open_benchmark
#include "bench_window.h"
#include "engine/converter.h"
#include "engine/source_lines.h"
#include "files/whole_file.h"
#include "gui/pane.h"
#include "settings/get_tags.h"
#include "settings/memory_store.h"

#include <sys/resource.h>
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// A Delphi unit of about size bytes: comments, strings, numbers, words.
std::string generatedUnit(std::size_t size) {
  const std::string block =
      "{ A brace comment over\n  two lines }\n"
      "procedure TForm1.Button1Click(Sender: TObject);\n"
      "var\n\tI: Integer; // counter\n"
      "begin\n"
      "  for I := 0 to $FF do\n"
      "    Caption := 'Pass ' + IntToStr(I) + ' of 2.5E3'; (* done *)\n"
      "end;\n\n";
  std::string unit = "unit Generated;\n\ninterface\n\nimplementation\n\n";
  while (unit.size() < size) unit += block;
  return unit + "end.\n";
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  MemoryStore store;
  AppContext context = benchContext(store);
  MainWindow window(context);
  showForBench(window);
  auto* source = window.findChild<Pane*>("edSource");
  auto* html = window.findChild<Pane*>("edHTML");

  std::printf("%-6s %9s %9s %9s %9s %11s %9s\n", "size", "read ms", "convert", "fill ms", "sum ms",
              "window ms", "peak MB");
  for (const std::size_t megabytes : {10, 50}) {
    const std::string path = dir.filePath(QString("unit%1.pas").arg(megabytes)).toStdString();
    std::ofstream(path, std::ios::binary) << generatedUnit(megabytes << 20);

    // The window's own load path, timed as a whole.
    auto start = Clock::now();
    window.loadSourceFile(path);
    QApplication::processEvents();
    const double windowMs = millisecondsSince(start);

    // The same steps one by one.
    start = Clock::now();
    const std::string bytes = readRegularFile(path);
    const CodePage page = codePageOf(bytes);
    const std::vector<std::string> lines = splitSourceLines(bytes);
    const double readMs = millisecondsSince(start);

    start = Clock::now();
    GetTags(store, context.tags);
    const std::vector<std::string> converted = Convert(lines, context.tags);
    const double convertMs = millisecondsSince(start);

    start = Clock::now();
    source->setLines(lines, page);
    html->setLines(converted, page);
    source->moveCaretToStart();
    html->moveCaretToStart();
    QApplication::processEvents();
    const double fillMs = millisecondsSince(start);

    std::printf("%3zu MB %9.0f %9.0f %9.0f %9.0f %11.0f %9ld\n", megabytes, readMs, convertMs,
                fillMs, readMs + convertMs + fillMs, windowMs, peakMegabytes());
  }
  std::printf("targets: window under 500 ms for 10 MB, under 3000 ms for 50 MB\n");
  return 0;
}
