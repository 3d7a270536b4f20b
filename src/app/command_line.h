#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

/// What the window's command line asks for.
struct StartRequest {
  /// Set when the program ends at once with this exit status: 0 after
  /// --help or --version, 2 after a command line it does not understand.
  std::optional<int> exitStatus;
  /// The unit to open once the main window shows; empty for none.
  QString fileName;
};

/// Reads the command line (arguments[0] is the program): at most one unit to
/// open, --help and --version. What it prints goes to out, a wrong command
/// line's message and the usage to errors. Needs an application object only
/// for the program's name in the usage, so it runs before a display is
/// needed.
StartRequest readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& errors);
