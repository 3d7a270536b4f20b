#pragma once

#include <windows.h>

/// A Win32 handle (a file's, a process's), closed when the scope ends.
class WindowsHandle {
 public:
  explicit WindowsHandle(HANDLE handle) : handle_(handle) {}
  ~WindowsHandle() {
    if (valid()) ::CloseHandle(handle_);
  }
  WindowsHandle(const WindowsHandle&) = delete;
  WindowsHandle& operator=(const WindowsHandle&) = delete;

  HANDLE get() const { return handle_; }
  /// False for a failed open: CreateFile's INVALID_HANDLE_VALUE or a null handle.
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }

 private:
  HANDLE handle_;
};
