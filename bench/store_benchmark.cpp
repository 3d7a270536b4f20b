// Reads a settings file of a whole registry export, up to 200,000 keys, as
// REGEDIT4 and as a version 5 export (UTF-16LE), and prints how long one
// open of a key, the settings dialog's whole load, the program's start (its
// GetTags) and the dialog's OK (the whole write, then the conversion's
// GetTags) took. Run by hand (release build): build/bench/store_benchmark
#include "engine/tag_set.h"
#include "settings/get_tags.h"
#include "settings/reg_file_format.h"
#include "settings/reg_file_store.h"
#include "settings/settings_io.h"
#include "settings/utf16_text.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

/// A tree of keys spread over vendors and products, as a registry export
/// has them, with the program's own settings last.
RegKeyTree exportTree(std::size_t keyCount, RegFileForm form) {
  RegKeyTree tree(form);
  const std::string text = "C:\\Vendor";
  const std::string path =
      tree.holdsUtf16Text() ? utf16LeFromUtf8(text) + std::string(2, '\0') : text + '\0';
  for (std::size_t i = 0; i < keyCount; ++i) {
    auto& key = tree.createKey("HKEY_CURRENT_USER\\Software\\Vendor" + std::to_string(i % 97) +
                               "\\Product" + std::to_string(i % 13) + "\\Key" + std::to_string(i));
    key.setValue({"InstallPath", RegSz, path});
    key.setValue({"Version", RegDword, dwordData(static_cast<std::uint32_t>(i))});
  }
  auto& settings = tree.createKey(std::string(CurrentUserHive) + SettingsKey);
  settings.setValue({"Incode", RegDword, dwordData(1)});
  settings.setValue({"TabSize", RegDword, dwordData(4)});
  return tree;
}

}  // namespace

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tessaline-XXXXXX").string();
  const std::filesystem::path folder = ::mkdtemp(pattern.data());
  const std::pair<const char*, RegFileForm> forms[] = {
      {"REGEDIT4", {}},
      {"version 5", {RegFileForm::Header::Version5, RegFileForm::Encoding::Utf16WithMark}}};

  std::printf("%-10s %7s %9s %10s %10s %10s %10s\n", "form", "keys", "file KB", "open ms",
              "load ms", "start ms", "OK ms");
  for (const auto& [name, form] : forms) {
    for (const std::size_t keyCount : {5000, 19000, 200000}) {
      const std::string path = (folder / "Tessaline.reg").string();
      const RegKeyTree tree = exportTree(keyCount, form);
      const std::string bytes = formatRegFile(tree);
      std::ofstream(path, std::ios::binary) << bytes;
      // A program that starts reads the file with a store of its own.
      auto start = Clock::now();
      RegFileStore opening(path);
      if (!opening.openKey(SettingsKey, false)) return EXIT_FAILURE;
      opening.closeKey();
      const double openMs = millisecondsSince(start);

      TagSet tags;
      start = Clock::now();
      RegFileStore store(path);
      GetTags(store, tags);
      const double startMs = millisecondsSince(start);

      HeldSettings held;
      DialogSettingsState state;
      start = Clock::now();
      RegFileStore loading(path);
      LoadFromRegistry(loading, held, state);
      const double loadMs = millisecondsSince(start);

      // OK: the whole write, then the conversion's GetTags, in the running program.
      start = Clock::now();
      WriteToRegistry(store, held, state);
      GetTags(store, tags);
      const double okMs = millisecondsSince(start);
      std::printf("%-10s %7zu %9zu %10.1f %10.1f %10.1f %10.1f\n", name, tree.keys().size(),
                  bytes.size() / 1024, openMs, loadMs, startMs, okMs);
    }
  }
  std::filesystem::remove_all(folder);
  std::printf("target: start and OK of a 200,000-key file each under 1000 ms\n");
  return 0;
}
