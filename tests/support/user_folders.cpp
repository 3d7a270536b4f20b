#include "user_folders.h"

#include <QDir>
#include <QTemporaryDir>

bool useUserFoldersIn(const QTemporaryDir& base) {
  qputenv("XDG_CONFIG_HOME", base.filePath("config").toUtf8());
  qputenv("XDG_CACHE_HOME", base.filePath("cache").toUtf8());
  const QString runtime = base.filePath("runtime");
  // The runtime folder must be private, or Qt warns and picks another.
  if (!QDir().mkdir(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) return false;
  qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
  return true;
}
