#pragma once

#include "settings/reg_key_tree.h"
#include "settings/settings_store.h"

#include <optional>
#include <string>

/// The hive that the store's absolute key paths stand below.
inline constexpr const char* CurrentUserHive = "HKEY_CURRENT_USER";

/// The store's operations on a RegKeyTree; the backing (memory, a file)
/// says how the tree is loaded and saved. Every open outside a group looks
/// at the backing afresh, so nothing is kept between operations: it loads
/// the tree again unless the backing says it still holds the tree last
/// loaded or saved. Inside a read group only the first open looks.
class KeyTreeStore : public SettingsStore {
 public:
  bool openKey(const std::string& path, bool create) override;
  std::int32_t readInteger(const std::string& name) override;
  std::string readText(const std::string& name) override;
  bool hasValue(const std::string& name) override;
  void writeInteger(const std::string& name, std::int32_t value) override;
  void writeText(const std::string& name, const std::string& value) override;
  void closeKey() noexcept override;

  void beginWrite() override;
  void commitWrite() override;
  void abandonWrite() noexcept override;

  void beginRead() override;
  void endRead() noexcept override;

 protected:
  /// The tree as the backing holds it now; raises when it cannot be read.
  virtual RegKeyTree loadTree() = 0;
  /// The tree a write starts from: as loadTree, except that a backing whose
  /// content cannot be read gives an empty tree.
  virtual RegKeyTree loadTreeForWriting() = 0;
  /// Replaces the backing's content with the tree, all or nothing.
  virtual void saveTree(const RegKeyTree& tree) = 0;
  /// Whether the backing still holds what the last loadTree gave or the
  /// last saveTree stored, so that a read may use the tree it has; the
  /// default, false, makes every read load afresh.
  virtual bool backingUnchanged() { return false; }

 private:
  /// The named value of the open key, or null; no open key is a read error.
  const RegValue* findOpenValue(const std::string& name) const;
  void writeValue(const std::string& name, RegType type, std::string data);
  /// tree_ as the backing holds it now, loaded only when it may differ.
  void refreshTree();
  /// tree_ as a write starts from it (loadTreeForWriting where it may differ).
  void loadTreeToChange();
  void saveTreeAsIs();

  RegKeyTree tree_;
  std::optional<std::string> openPath_;
  bool grouping_ = false;
  /// Whether tree_ is what the backing held at the last load or save.
  bool treeIsBackings_ = false;
  /// How deep the read groups nest, and whether the outermost one has loaded the tree.
  int readGroups_ = 0;
  bool readGroupLoaded_ = false;
};
