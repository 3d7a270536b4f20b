#pragma once

#include <QString>

/// The address Help > Online Help opens: the help page installed with the
/// program when there is one, else the web's help page (a bare address, as
/// the About window's link).
QString helpAddress(const QString& helpPage);

/// The help page installed with the program: first where both the build tree
/// and an installed tree put it, relative to the program's own folder
/// (bin/../share/tessaline/help.html), then in the system's data folders.
/// Empty when there is none.
QString findHelpPage(const QString& programFolder);
