#pragma once

/// Shows the busy cursor over all of the program's windows for as long as it
/// lives, however the command ends.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
