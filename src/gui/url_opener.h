#pragma once

#include <QString>

/// Opens an address with the user's default program (a bare web address gets
/// "https://"); whether a program took it is not examined.
void openAddress(const QString& address);
