#include "gui/display_text.h"

#include <QFile>

QString displayText(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string heldText(const QString& text) { return text.toUtf8().toStdString(); }

QString displayFileName(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string fileNameBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }
