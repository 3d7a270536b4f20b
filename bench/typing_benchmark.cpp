// Types into the middle of a large unit in the main window and prints how
// long each keystroke takes until the source pane is styled and, with
// conversion as you type, the HTML pane follows; the same with both features
// off, and with them on while an assistive technology listens (which has the
// panes' accessibility count characters); the unit's open time and the
// process's peak memory. Each configuration runs in a process of its own, so
// its peak is its own.
// Run by hand (offscreen, release build):
//   QT_QPA_PLATFORM=offscreen build-bench/bench/typing_benchmark [fpcsrc folder]
#include "app/live_conversion.h"
#include "bench_window.h"
#include "engine/converter.h"
#include "gui/pane.h"
#include "settings/get_tags.h"
#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "settings/view_options.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr int Keystrokes = 400;
constexpr int Opens = 5;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// The processor time of the process in milliseconds: what a keystroke costs
/// whatever else the machine runs.
double cpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

/// Four large hand-written units of the Free Pascal sources: a resolver, a
/// test suite, a code generator and a Windows API binding.
const char* const UnitFiles[] = {
    "packages/fcl-passrc/src/pasresolver.pp",
    "packages/pastojs/tests/tcmodules.pas",
    "packages/pastojs/src/fppas2js.pp",
    "packages/winunits-jedi/src/jwanative.pas",
};

/// The units joined, each ending with a line break.
std::string joinedUnit(const fs::path& folder) {
  std::string unit;
  for (const char* file : UnitFiles) {
    std::ifstream in(folder / file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + (folder / file).string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    unit += bytes.str();
    if (!unit.empty() && unit.back() != '\n') unit += '\n';
  }
  return unit;
}

/// What is typed: code with every token class, a comment opened and closed.
const char* const Snippet = "  if Count > 10 then { many } WriteLn('Count: ', Count); // check\n";

/// One way of running the window.
struct Configuration {
  const char* name;
  /// Highlighting and conversion as you type.
  bool featuresOn;
  bool assistiveTechnology;
};
const Configuration Configurations[] = {
    {"on", true, false}, {"off", false, false}, {"on, a11y", true, true}};

struct Figures {
  double openMs = 0;
  /// The slowest of "(*" typed and taken back at the top, where the first
  /// "*)" stands half the unit further on: every line up to it changes.
  double openCommentMs = 0;
  bool htmlAsConverted = true;
  double medianMs = 0;
  double p99Ms = 0;
  double cpuMedianMs = 0;
  double cpuP99Ms = 0;
  long peakMegabytes = 0;
};

double percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<std::size_t>(share * static_cast<double>(values.size()) + 0.999);
  return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

/// Whether the source pane's lines in view are styled.
bool styledInView(const Pane& source) {
  const long lastInView = source.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE) +
                          source.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
  const long end = source.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, lastInView);
  return source.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) >= end;
}

/// Runs the event loop until the window has done all a keystroke asks: the
/// source pane drawn and, with the features on, styled and followed by the
/// HTML pane.
void settle(MainWindow& window, bool featuresOn) {
  auto* source = window.findChild<Pane*>("edSource");
  auto* live = window.findChild<LiveConversion*>("LiveConversion");
  for (int round = 0; round < 100; ++round) {
    QApplication::processEvents();
    if (!featuresOn || (styledInView(*source) && live->isUpToDate())) return;
  }
  std::fprintf(stderr, "the window did not settle: styled %d, followed %d\n", styledInView(*source),
               live->isUpToDate());
}

Figures measure(int argc, char** argv, const std::string& unitPath,
                const Configuration& configuration) {
  QApplication app(argc, argv);
  const bool featuresOn = configuration.featuresOn;
  QTemporaryDir dir;
  RegFileStore store(dir.filePath("Tessaline.reg").toStdString());
  HeldSettings held;
  DialogSettingsState state;
  applyFirstRunDefaults(held, state);
  WriteToRegistry(store, held, state);
  writeViewOption(store, &ViewOptions::HighlightSource, featuresOn);
  writeViewOption(store, &ViewOptions::ConvertAsYouType, featuresOn);

  AppContext context = benchContext(store);
  MainWindow window(context);
  // As when a screen reader starts: the panes' accessibility takes over.
  if (configuration.assistiveTechnology) QAccessible::setActive(true);
  showForBench(window);
  auto* source = window.findChild<Pane*>("edSource");

  Figures figures;
  std::vector<double> opens;
  for (int i = 0; i < Opens; ++i) {
    const auto start = Clock::now();
    window.loadSourceFile(unitPath);
    settle(window, featuresOn);
    opens.push_back(millisecondsSince(start));
  }
  figures.openMs = percentile(opens, 0.5);

  const long middle = source->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT) / 2;
  source->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, middle);
  source->setFocus();
  settle(window, featuresOn);

  std::vector<double> keystrokes;
  std::vector<double> cpu;
  const std::string snippet = Snippet;
  for (int i = 0; i < Keystrokes; ++i) {
    const char character = snippet[static_cast<std::size_t>(i) % snippet.size()];
    const auto start = Clock::now();
    const double cpuStart = cpuMilliseconds();
    if (character == '\n')
      QTest::keyClick(source, Qt::Key_Return);
    else
      QTest::sendKeyEvent(QTest::Click, source, Qt::Key_unknown, QString(QChar(character)),
                          Qt::NoModifier);
    settle(window, featuresOn);
    keystrokes.push_back(millisecondsSince(start));
    cpu.push_back(cpuMilliseconds() - cpuStart);
  }
  figures.medianMs = percentile(keystrokes, 0.5);
  figures.p99Ms = percentile(keystrokes, 0.99);
  figures.cpuMedianMs = percentile(cpu, 0.5);
  figures.cpuP99Ms = percentile(cpu, 0.99);

  // A comment opened and taken back again at the top: every line up to the
  // first "*)", half the unit further on, changes.
  source->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 0);
  settle(window, featuresOn);
  for (const auto& [key, text] : {std::pair{Qt::Key_ParenLeft, "("},
                                  {Qt::Key_Asterisk, "*"},
                                  {Qt::Key_Backspace, ""},
                                  {Qt::Key_Backspace, ""}}) {
    const auto start = Clock::now();
    QTest::sendKeyEvent(QTest::Click, source, key, QString::fromLatin1(text), Qt::NoModifier);
    settle(window, featuresOn);
    figures.openCommentMs = std::max(figures.openCommentMs, millisecondsSince(start));
  }

  if (featuresOn) {
    // What was typed made the HTML a fresh conversion would make.
    GetTags(store, context.tags);
    std::string converted;
    for (const std::string& line : Convert(source->lines(), context.tags)) converted += line + "\n";
    figures.htmlAsConverted = window.findChild<Pane*>("edHTML")->bytes() == converted;
  }
  figures.peakMegabytes = peakMegabytes();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path("/usr/share/fpcsrc/3.2.2");
  const std::string unit = joinedUnit(folder);
  const std::string unitPath = (fs::temp_directory_path() / "typing_benchmark_unit.pas").string();
  std::ofstream(unitPath, std::ios::binary) << unit;
  std::printf("unit: %zu files, %zu lines, %.2f MB\n", std::size(UnitFiles),
              static_cast<std::size_t>(std::count(unit.begin(), unit.end(), '\n')),
              static_cast<double>(unit.size()) / 1e6);
  std::printf("%-9s %8s %10s %8s %11s %8s %13s %8s\n", "features", "open ms", "median ms", "p99 ms",
              "cpu median", "cpu p99", "(* at top ms", "peak MB");
  std::fflush(stdout);
  for (const Configuration& configuration : Configurations) {
    const pid_t child = fork();
    if (child == 0) {
      const Figures f = measure(argc, argv, unitPath, configuration);
      std::printf("%-9s %8.0f %10.2f %8.2f %11.2f %8.2f %13.1f %8ld\n", configuration.name,
                  f.openMs, f.medianMs, f.p99Ms, f.cpuMedianMs, f.cpuP99Ms, f.openCommentMs,
                  f.peakMegabytes);
      if (!f.htmlAsConverted) std::printf("the HTML pane differs from a fresh conversion\n");
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
      std::printf("%-9s did not run through (status %d)\n", configuration.name, status);
  }
  fs::remove(unitPath);
  std::printf("targets: keystroke median under 16 ms, p99 under 50 ms; open under 600 ms\n");
  return 0;
}
