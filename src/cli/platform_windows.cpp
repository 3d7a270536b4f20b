#include "cli/platform.h"

#include "settings/registry_store.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

std::string utf8Of(const wchar_t* text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();
  return bytes;
}

std::wstring wideOf(const std::string& text) {
  const int size =
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

}  // namespace

// argv arrives in the ANSI code page, which has no room for most names; the
// wide command line has them all.
std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> wide(
      ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
  std::vector<std::string> arguments;
  for (int i = 0; wide && i < count; ++i) arguments.push_back(utf8Of(wide.get()[i]));
  return arguments;
}

void useBinaryStandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) ::_setmode(::_fileno(stream), _O_BINARY);
}

std::string sameFileKey(const std::string& fileName) {
  std::wstring wide = wideOf(fileName);
  ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  wide.push_back(L'\0');
  return utf8Of(wide.c_str());
}

std::unique_ptr<SettingsStore> userSettingsStore() { return std::make_unique<RegistryStore>(); }
