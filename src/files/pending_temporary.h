#pragma once

#include <string>

/// A temporary file under its own name, beside the file it will become:
/// removed when dropped before release(), and also when SIGTERM, SIGINT or
/// SIGHUP ends the program first (where their action was the default), so
/// that no temporary file outlives an interrupted write. The names wait for
/// the signal in a fixed table of 64 names of up to 4095 bytes, which is
/// program-wide because a signal handler reaches nothing else; a name past
/// either limit is removed only when dropped.
class PendingTemporary {
 public:
  explicit PendingTemporary(std::string name);
  ~PendingTemporary();
  PendingTemporary(const PendingTemporary&) = delete;
  PendingTemporary& operator=(const PendingTemporary&) = delete;

  const std::string& name() const { return name_; }
  /// The file has left this name (renamed into place): nothing to remove.
  void release();

 private:
  void forget();

  std::string name_;
  int slot_ = -1;
  bool released_ = false;
};
