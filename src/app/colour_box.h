#pragma once

#include "app/text_box.h"

/// A colour text box: at most six characters, typed letters turned to upper
/// case, and Enter reported instead of passed on to the window.
class ColourBox : public TextBox {
  Q_OBJECT
 public:
  explicit ColourBox(QWidget* parent = nullptr);

 signals:
  /// Return or the keypad's Enter went down in the box.
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
