#include "gui/file_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <utility>

QString droppedFile(const QMimeData& data) {
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isDir()) return url.toLocalFile();
  }
  return {};
}

FileDropOpener::FileDropOpener(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {}

void FileDropOpener::watch(QWidget* widget) {
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

bool FileDropOpener::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const QString fileName = droppedFile(*drop->mimeData());
  if (fileName.isEmpty()) return false;
  // A move would let the file manager delete the file once it was opened.
  if (drop->possibleActions() & Qt::CopyAction) {
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
  } else {
    drop->ignore();
  }
  // Opened once the drop is over, so that a long load or an error box does
  // not keep the program the file came from waiting.
  if (type == QEvent::Drop && drop->isAccepted()) {
    QMetaObject::invokeMethod(
        this, [this, fileName] { open_(fileName); }, Qt::QueuedConnection);
  }
  return true;
}
