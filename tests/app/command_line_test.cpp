#include "app/command_line.h"
#include "tessaline_version.h"

#include <QTest>
#include <QTextStream>

class CommandLineTest : public QObject {
  Q_OBJECT
 private slots:
  void command_line_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus");  // -1: the window opens
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("outStart");
    QTest::addColumn<QString>("errorsStart");
    // Qt names the program in the usage as it was started.
    const QString usage =
        "Usage: " + QCoreApplication::arguments().constFirst() + " [options] [file]\n";
    const QString none;
    const QString version = QLatin1StringView(kVersionLine) + '\n';
    const struct {
      const char* name;
      QStringList arguments;
      int exitStatus;
      QString fileName;
      QString outStart;
      QString errorsStart;
    } rows[] = {
        {"nothing", {}, -1, none, none, none},
        {"a file", {"unit1.pas"}, -1, "unit1.pas", none, none},
        {"a file after --", {"--", "-odd.pas"}, -1, "-odd.pas", none, none},
        {"--version", {"--version"}, 0, none, version, none},
        {"-v", {"-v"}, 0, none, version, none},
        {"--help", {"--help"}, 0, none, usage, none},
        {"-h with a file", {"-h", "unit1.pas"}, 0, none, usage, none},
        {"unknown option",
         {"--bogus", "unit1.pas"},
         2,
         none,
         none,
         "Unknown option 'bogus'.\n\n" + usage},
        {"Qt's help", {"--help-all"}, 2, none, none, "Unknown option 'help-all'.\n\n" + usage},
        {"two files",
         {"a.pas", "b.pas"},
         2,
         none,
         none,
         "Only one file can be opened.\n\n" + usage},
    };
    for (const auto& row : rows)
      QTest::newRow(row.name) << row.arguments << row.exitStatus << row.fileName << row.outStart
                              << row.errorsStart;
  }
  void command_line() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QString, fileName);
    QFETCH(QString, outStart);
    QFETCH(QString, errorsStart);
    QString printed;
    QString errorText;
    QTextStream out(&printed);
    QTextStream errors(&errorText);
    const StartRequest request = readCommandLine(QStringList{"tessaline"} + arguments, out, errors);
    out.flush();
    errors.flush();
    QCOMPARE(request.exitStatus.value_or(-1), exitStatus);
    QCOMPARE(request.fileName, fileName);
    QVERIFY2(printed.startsWith(outStart), qPrintable(printed));
    QVERIFY2(errorText.startsWith(errorsStart), qPrintable(errorText));
    QCOMPARE(printed.isEmpty(), outStart.isEmpty());
    QCOMPARE(errorText.isEmpty(), errorsStart.isEmpty());
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
