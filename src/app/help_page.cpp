#include "app/help_page.h"

#include "gui/fixed_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

/// The maker's help page below the web site's address.
constexpr QLatin1StringView WebHelpPath("/help/tessaline");

}  // namespace

QString helpAddress(const QString& helpPage) {
  if (helpPage.isEmpty()) return kMakerSite + WebHelpPath;
  return QUrl::fromLocalFile(helpPage).toString();
}

QString findHelpPage(const QString& programFolder) {
  // The build puts the page as the install does, so one relative path finds both.
  const QString besideProgram =
      QDir(programFolder).filePath(QStringLiteral(TESSALINE_HELP_PAGE_FROM_PROGRAM));
  if (QFileInfo(besideProgram).isFile()) return QDir::cleanPath(besideProgram);
  return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                QStringLiteral(TESSALINE_HELP_PAGE_IN_DATA));
}
