#include "files/windows_device.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsDeviceName, DeviceNamesInAnyCaseWithAnyExtensionInAnyFolder) {
  const std::pair<const char*, bool> cases[] = {
      {"NUL", true},
      {"nul", true},
      {"con.html", true},
      {"C:\\web\\LPT1.txt", true},
      {"out/Com9.page.html", true},
      {"aux .html", true},
      {"\\\\.\\pipe\\pages", true},
      {"C:NUL", true},
      {"prn", true},
      {"COM0", false},
      {"LPT10", false},
      {"console.html", false},
      {"null", false},
      {"x.con", false},
      {"C:\\nul\\page.html", false},
      {"", false},
  };
  for (const auto& [path, isDevice] : cases) EXPECT_EQ(isWindowsDeviceName(path), isDevice) << path;
}

}  // namespace
