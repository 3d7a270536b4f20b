#pragma once

#include <QLabel>

/// A label that reads as a link: navy text, a hand pointer, and a click signal.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(QWidget* parent = nullptr);

 signals:
  /// The left mouse button was pressed and released over the label.
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
