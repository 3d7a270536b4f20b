#pragma once

#include <QLineEdit>

/// A one-line text box that tells when the focus leaves it for another
/// control of its own window: Tab, Shift+Tab, a click or a shortcut. Losing
/// the activation to another window or opening a context menu is not leaving.
/// Given the focus by the keyboard or by its window, it selects all its text,
/// so that typing replaces it; a click puts the caret where it clicks.
class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

 signals:
  /// The focus has moved from this box to another control of its window.
  void left(Qt::FocusReason reason);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};
