#include "settings/view_options.h"

#include <iterator>

namespace {

/// Each option and its value's name.
struct NamedOption {
  ViewOption option;
  const char* name;
};
constexpr NamedOption NamedOptions[] = {{&ViewOptions::HighlightSource, "HighlightSource"},
                                        {&ViewOptions::ConvertAsYouType, "ConvertAsYouType"},
                                        {&ViewOptions::LineNumbers, "LineNumbers"}};

const char* nameOf(ViewOption option) {
  for (const NamedOption& named : NamedOptions) {
    if (named.option == option) return named.name;
  }
  return NamedOptions[0].name;
}

}  // namespace

ViewOptions readViewOptions(SettingsStore& store) {
  ViewOptions options;
  OpenedKey key(store, ViewKey);
  if (!key) return options;
  for (const NamedOption& named : NamedOptions) {
    if (store.hasValue(named.name)) options.*named.option = store.readFlag(named.name);
  }
  return options;
}

void writeViewOption(SettingsStore& store, ViewOption option, bool value) {
  SettingsWriteBatch batch(store);
  {
    OpenedKey key(store, ViewKey, true);
    store.writeFlag(nameOf(option), value);
  }
  batch.commit();
}
