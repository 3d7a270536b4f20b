#pragma once

#include "settings/key_tree_store.h"

/// A settings store held in memory, for tests.
class MemoryStore : public KeyTreeStore {
 public:
  MemoryStore();
  /// A store that starts with these keys and values (for example a parsed
  /// REGEDIT4 text).
  explicit MemoryStore(RegKeyTree tree);

  /// The keys and values as committed.
  const RegKeyTree& tree() const { return saved_; }

 protected:
  RegKeyTree loadTree() override;
  RegKeyTree loadTreeForWriting() override;
  void saveTree(const RegKeyTree& tree) override;

 private:
  RegKeyTree saved_;
};
