#include "app/command_line.h"

#include "tessaline_version.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

constexpr int UsageError = 2;

}  // namespace

StartRequest readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& errors) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Turns Delphi (Object Pascal) source into syntax-highlighted HTML."));
  // Not addHelpOption(): its --help-all lists Qt's own options, which are not read here.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("The unit to open, as File > Open would."),
                               QStringLiteral("[file]"));

  StartRequest request;
  const bool understood = parser.parse(arguments);
  if (understood && parser.isSet(help)) {
    out << parser.helpText();
    request.exitStatus = 0;
  } else if (understood && parser.isSet(version)) {
    out << kVersionLine << "\n";
    request.exitStatus = 0;
  } else if (!understood || parser.positionalArguments().size() > 1) {
    errors << (understood ? QStringLiteral("Only one file can be opened.") : parser.errorText())
           << "\n\n"
           << parser.helpText();
    request.exitStatus = UsageError;
  } else {
    request.fileName = parser.positionalArguments().value(0);
  }
  return request;
}
