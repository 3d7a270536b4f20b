#pragma once

#include <string>

/// True when Windows takes path for a device rather than a file: a name in
/// the device namespace (\\.\...), or a last component whose part before
/// its first dot, less trailing spaces, is CON, PRN, AUX, NUL, COM1 to COM9
/// or LPT1 to LPT9 in any letter case ("nul", "con.html", "C:\x\LPT1.txt").
/// Such a name is written in place, as a device is on POSIX systems.
bool isWindowsDeviceName(const std::string& path);
