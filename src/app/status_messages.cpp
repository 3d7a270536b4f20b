#include "app/status_messages.h"

#include "gui/error_box.h"

namespace {

QString lines(std::size_t count) {
  return QString::number(count) + (count == 1 ? QStringLiteral(" line") : QStringLiteral(" lines"));
}

}  // namespace

QString openedMessage(const QString& fileName, std::size_t lineCount) {
  return fileName + QStringLiteral(": ") + convertedMessage(lineCount);
}

QString convertedMessage(std::size_t lineCount) { return lines(lineCount) + " converted"; }

QString savedMessage(const QString& path) { return QStringLiteral("Page saved: ") + path; }

QString copiedMessage(std::size_t lineCount) {
  return lines(lineCount) + " of HTML copied to the clipboard";
}

QString formattedCopyMessage(std::size_t lineCount) {
  return lines(lineCount) + " copied to the clipboard as formatted HTML and plain text";
}

QString looksNotReadMessage(const QString& error) {
  return QStringLiteral("Source colors not read: ") + errorBoxText(error);
}

QString notFollowedMessage(const QString& error) {
  return QStringLiteral("HTML not updated: ") + errorBoxText(error);
}
