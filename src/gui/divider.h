#pragma once

#include <QWidget>

/// The strip between two side-by-side boxes that the user drags to move
/// width from one to the other; a double-click asks for the even split back.
/// Where the boxes go is its owner's business.
class Divider : public QWidget {
  Q_OBJECT
 public:
  explicit Divider(const QString& objectName, QWidget* parent);

 signals:
  /// Dragged so that its middle would stand at x in its parent.
  void dragged(int x);
  void evenSplitAsked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  /// How far right of the strip's middle the mouse took hold of it.
  int grip_ = 0;
};
