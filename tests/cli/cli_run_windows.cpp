// The runs of tessaline-convert.exe on Windows: no shell, so the arguments
// go through the command-line quoting that CommandLineToArgvW undoes.

#include "cli_run.h"
#include "files/utf8_path.h"
#include "files/windows_handle.h"

#include <windows.h>

#include <stdexcept>

namespace fs = std::filesystem;

namespace {

/// One argument as CommandLineToArgvW reads it back: in quotes, with a
/// backslash before each quote and doubled backslashes before a quote.
std::wstring quoted(const std::wstring& argument) {
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(backslashes * 2, L'\\');
  return text + L"\"";
}

/// A path of the build machine, such as the converter's, as Wine's Windows
/// programs name it: Z: is the root of the Unix file system.
std::wstring windowsPath(const std::string& path) {
  fs::path windows = utf8Path(path.starts_with('/') ? "Z:" + path : path);
  return windows.make_preferred().wstring();
}

/// A file that the child inherits as a standard stream.
HANDLE inheritedFile(const fs::path& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path.string());
  return file;
}

}  // namespace

CliRun CliSandbox::run(const std::vector<std::string>& args, const std::string& stdinFile,
                       const RunOptions& options) const {
  if (!options.before.empty() || options.unprivileged || !options.standardOutput.empty())
    throw std::invalid_argument("shell commands, other users and devices are POSIX runs only");
  std::wstring commandLine = quoted(windowsPath(TESSALINE_CONVERT));
  for (const std::string& arg : args) commandLine += L" " + quoted(utf8Path(arg).wstring());
  DWORD status = static_cast<DWORD>(-1);
  {
    const WindowsHandle in(
        inheritedFile(stdinFile.empty() ? fs::path(L"NUL") : folder_ / utf8Path(stdinFile),
                      GENERIC_READ, OPEN_EXISTING));
    const WindowsHandle out(inheritedFile(folder_ / ".out", GENERIC_WRITE, CREATE_ALWAYS));
    const WindowsHandle err(inheritedFile(folder_ / ".err", GENERIC_WRITE, CREATE_ALWAYS));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          folder_.c_str(), &startup, &process))
      throw std::runtime_error("cannot start " + std::string(TESSALINE_CONVERT));
    const WindowsHandle thread(process.hThread);
    const WindowsHandle child(process.hProcess);
    ::WaitForSingleObject(child.get(), INFINITE);
    ::GetExitCodeProcess(child.get(), &status);
  }
  CliRun run{static_cast<int>(status), read(".out"), read(".err")};
  fs::remove(folder_ / ".out");
  fs::remove(folder_ / ".err");
  return run;
}
