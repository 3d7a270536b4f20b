#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

/// The file a drop opens: the first of its addresses that names a local file
/// rather than a folder; empty when none does.
QString droppedFile(const QMimeData& data);

/// Opens a local file dropped on the widgets it watches, so that a text pane
/// never takes the file's name as text. Any other drop (text, a folder, a
/// remote address) goes on to the widget as before.
class FileDropOpener : public QObject {
  Q_OBJECT
 public:
  /// open receives the dropped file's name, from the event loop once the
  /// drop is over.
  FileDropOpener(std::function<void(const QString&)> open, QObject* parent);

  /// Lets widget take drops and watches its drag and drop events.
  void watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> open_;
};
