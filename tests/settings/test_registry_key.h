#pragma once

#include "settings/reg_key_tree.h"

#include <windows.h>

#include <string>

/// A key of one test's own below HKEY_CURRENT_USER\Software\Tessaline tests,
/// deleted with everything below it at the end of the scope: every test
/// program under one Wine prefix shares one HKEY_CURRENT_USER.
class TestRegistryKey {
 public:
  TestRegistryKey();
  ~TestRegistryKey();
  TestRegistryKey(const TestRegistryKey&) = delete;
  TestRegistryKey& operator=(const TestRegistryKey&) = delete;

  /// The key that a RegistryStore under test stands below.
  HKEY root() const { return root_; }
  /// Puts in the keys and values of a tree read from REGEDIT4 text, with
  /// HKEY_CURRENT_USER standing for root().
  void import(const RegKeyTree& tree) const;
  /// Sets a value of any type and data below root(), making its key.
  void setValue(const std::string& keyPath, const std::string& name, DWORD type,
                const std::string& data) const;
  /// Sets a text value through the wide functions, as other programs do.
  void setWideText(const std::string& keyPath, const std::string& name, DWORD type,
                   const std::wstring& text) const;
  /// The type and size of a value below root().
  std::pair<DWORD, DWORD> typeAndSize(const std::string& keyPath, const std::string& name) const;

 private:
  /// The key at keyPath (a store path, "\\Software\\..."), made when missing.
  HKEY createKey(const std::string& keyPath) const;

  std::string path_;
  HKEY root_ = nullptr;
};
