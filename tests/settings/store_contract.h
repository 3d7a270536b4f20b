#pragma once

#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

/// Where a store under test keeps its keys: memory, a file, the registry.
class StoreBacking {
 public:
  virtual ~StoreBacking() = default;
  /// A store over the backing's keys; each call gives one that has read nothing yet.
  virtual std::shared_ptr<SettingsStore> open() = 0;
  /// The message of a value that cannot be read, as the store gives it: the
  /// value's message, which a store kept in a file prefixes with its name.
  virtual std::string readFailure(const std::string& message) const { return message; }
};

/// A kind of store that every store's tests run against: its name, and how
/// to make a backing holding what a REGEDIT4 text says.
struct StoreKind {
  const char* name;
  std::function<std::unique_ptr<StoreBacking>(const std::string& regedit4Text)> make;
};

inline void PrintTo(const StoreKind& kind, std::ostream* out) { *out << kind.name; }

/// The tests that every store passes, whatever holds its keys. A store kind
/// joins them with INSTANTIATE_STORE_CONTRACT(name, kind).
class StoreContract : public testing::TestWithParam<StoreKind> {};

#define INSTANTIATE_STORE_CONTRACT(name, kind) \
  INSTANTIATE_TEST_SUITE_P(name, StoreContract, testing::Values(kind))
