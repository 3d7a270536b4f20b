#pragma once

/// The errno value that stands for a Windows error code (GetLastError()),
/// so that a failure is worded as on other systems: "No such file or
/// directory", "Permission denied". Codes without a match give EIO.
int errnoOfWindowsError(unsigned long error);
