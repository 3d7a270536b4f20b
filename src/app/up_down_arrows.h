#pragma once

#include <QWidget>

class QToolButton;

/// A pair of up and down arrows that step a position within a range, shown
/// beside the box they drive. They never take the focus.
class UpDownArrows : public QWidget {
  Q_OBJECT
 public:
  UpDownArrows(int minimum, int maximum, int position, QWidget* parent = nullptr);

  /// The current position, always within the range.
  int position() const { return position_; }
  /// Moves to position, held within the range.
  void setPosition(int position);
  /// Moves by steps (negative: down), held within the range.
  void stepBy(int steps) { setPosition(position_ + steps); }

 signals:
  /// The position moved.
  void positionChanged(int position);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* makeArrow(Qt::ArrowType direction, int step);

  int minimum_;
  int maximum_;
  int position_;
  QToolButton* up_;
  QToolButton* down_;
};
