#include "watched_store.h"

#include <QApplication>
#include <QCursor>

bool WatchedStore::openKey(const std::string& path, bool create) {
  const QCursor* cursor = QApplication::overrideCursor();
  cursorsWhileRead << (cursor ? cursor->shape() : Qt::ArrowCursor);
  return MemoryStore::openKey(path, create);
}

RegKeyTree WatchedStore::loadTree() {
  ++loads;
  return MemoryStore::loadTree();
}
