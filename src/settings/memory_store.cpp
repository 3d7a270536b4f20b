#include "settings/memory_store.h"

MemoryStore::MemoryStore() = default;

MemoryStore::MemoryStore(RegKeyTree tree) : saved_(std::move(tree)) {}

RegKeyTree MemoryStore::loadTree() { return saved_; }

RegKeyTree MemoryStore::loadTreeForWriting() { return saved_; }

void MemoryStore::saveTree(const RegKeyTree& tree) { saved_ = tree; }
