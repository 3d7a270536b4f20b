#pragma once

#include <QListWidget>

/// The settings dialog's list of the four token classes. It tells whether
/// the row now being chosen was chosen with the mouse: a click moves on to
/// the class's boxes, while the arrow keys walk the list.
class ClassList : public QListWidget {
  Q_OBJECT
 public:
  /// Each row is this many pixels high, drawn as plain text.
  static constexpr int RowHeight = 15;

  explicit ClassList(QWidget* parent = nullptr);

  /// True while a mouse press or drag changes the current row.
  bool choosingByMouse() const { return choosingByMouse_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool choosingByMouse_ = false;
};
