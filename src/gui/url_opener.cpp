#include "gui/url_opener.h"

#include "gui/web_address.h"

#include <QDesktopServices>
#include <QUrl>

void openAddress(const QString& address) {
  const std::string full = addressWithScheme(address.toStdString());
  QDesktopServices::openUrl(QUrl(QString::fromStdString(full)));
}
