#pragma once

#include <QAccessible>

class QsciScintillaBase;

/// Keeps a text pane's accessibility from costing every keystroke while no
/// assistive technology listens. QScintilla's accessible counts the
/// characters from the start of the text on each edit and each caret move,
/// tens of milliseconds a keystroke deep in a large unit; so while
/// accessibility is inactive the pane has a plain accessible and sends out
/// only the notices sent before an edit (text length, position, nothing
/// counted). Once an assistive technology becomes active, QScintilla's
/// accessible and all its notices take over, and back when it leaves.
class QuietAccessibility : public QAccessible::ActivationObserver {
 public:
  explicit QuietAccessibility(QsciScintillaBase& pane);
  ~QuietAccessibility() override;
  QuietAccessibility(const QuietAccessibility&) = delete;
  QuietAccessibility& operator=(const QuietAccessibility&) = delete;

  void accessibilityActiveChanged(bool active) override;

 private:
  /// Sets the kind of accessible the pane gets and the notices it sends.
  void keepQuiet(bool quiet);

  QsciScintillaBase& pane_;
};
