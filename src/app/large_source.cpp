#include "app/large_source.h"

#include "gui/display_text.h"
#include "gui/question_box.h"

#include <QLocale>

QString largeSourceQuestion(const std::string& fileName, std::uint64_t size) {
  const QString sizeText = QLocale::c().formattedDataSize(static_cast<qint64>(size), 1,
                                                          QLocale::DataSizeTraditionalFormat);
  return QStringLiteral(
             "'%1' is %2 large. Opening it takes a while and much memory.\n"
             "Do you want to open it?")
      .arg(displayFileName(fileName), sizeText);
}

bool confirmLargeSource(QWidget* owner, const std::string& fileName, std::uint64_t size) {
  return askYesNo(owner, QStringLiteral("LargeSourceQuestion"),
                  largeSourceQuestion(fileName, size));
}
