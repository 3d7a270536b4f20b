#pragma once

#include <QLineEdit>

class UpDownArrows;

/// The read-only tab size box: it shows the position of its arrows, and the
/// Up and Down keys step them as the arrows do. Nothing can be typed into it.
class TabSizeBox : public QLineEdit {
  Q_OBJECT
 public:
  TabSizeBox(UpDownArrows& arrows, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showPosition(int position);

  UpDownArrows& arrows_;
};
