#include "app/colour_box.h"

#include "gui/display_text.h"
#include "settings/colour_text.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

/// Accepts every text, turning its letters a to z to upper case as they are
/// typed or pasted; the cursor stays where it was.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    input = displayText(upperCasedAscii(heldText(input)));
    return Acceptable;
  }
};

}  // namespace

ColourBox::ColourBox(QWidget* parent) : TextBox(parent) {
  setMaxLength(static_cast<int>(ColourTextLength));
  setValidator(new UpperCaseValidator(this));
}

void ColourBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    emit enterPressed();
    return;
  }
  TextBox::keyPressEvent(event);
}
