// Reads the fuzzer's input as a registry file and aborts where writing it out
// again loses or changes anything (comment lines included), or where the
// settings sequences running on it lose a value.

#include "settings/memory_store.h"
#include "settings/reg_file_format.h"
#include "settings/settings_io.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "reg_file_fuzzer: %s\n", what);
  std::abort();
}

/// Every key of before, with every value it held, is in after.
bool keeps(const RegKeyTree& before, const RegKeyTree& after) {
  for (const RegKey& key : before.keys()) {
    const RegKey* kept = after.findKey(key.path());
    if (kept == nullptr) return false;
    for (const RegValue& value : key.values())
      if (kept->findValue(value.name) == nullptr) return false;
  }
  return true;
}

/// Writes what the settings sequences load and loads it again: the same
/// settings come back, and the keys and values they do not know stay.
void checkSettingsRoundTrip(const RegKeyTree& tree) {
  MemoryStore store(tree);
  HeldSettings held;
  DialogSettingsState state;
  try {
    LoadFromRegistry(store, held, state);
  } catch (const std::runtime_error&) {
    return;
  }
  WriteToRegistry(store, held, state);
  require(keeps(tree, store.tree()), "a write lost a key or a value");
  HeldSettings reread;
  DialogSettingsState rereadState;
  require(LoadFromRegistry(store, reread, rereadState), "written settings were not found");
  require(reread == held, "written settings read back differently");
  require(rereadState.TabSize == state.TabSize, "the tab size read back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RegKeyTree tree;
  try {
    tree = parseRegFile(text);
  } catch (const RegFileSyntaxError&) {
    return 0;
  }
  const std::string written = formatRegFile(tree);
  const RegKeyTree reread = parseRegFile(written);
  // Writing puts parents first; otherwise every key and value is as read.
  const auto ordered = tree.keysParentsFirst();
  require(reread.keys().size() == ordered.size(), "the number of keys changed");
  for (std::size_t i = 0; i < ordered.size(); ++i)
    require(reread.keys()[i] == *ordered[i], "a key, value or comment changed on the way out");
  require(reread.leadingComments() == tree.leadingComments() &&
              reread.trailingComments() == tree.trailingComments(),
          "a comment of the file changed on the way out");
  require(formatRegFile(reread) == written, "writing a written file changed it");
  checkSettingsRoundTrip(tree);
  return 0;
}
