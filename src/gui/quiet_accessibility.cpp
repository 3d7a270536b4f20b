#include "gui/quiet_accessibility.h"

#include <Qsci/qsciscintillabase.h>
#include <QAccessibleWidget>

namespace {

/// Set on a pane while it keeps quiet.
const char* const QuietProperty = "tessalineQuietAccessible";

/// A plain editable-text accessible for a quiet pane. Any other object gets
/// nothing here, and so QScintilla's accessible or Qt's own.
QAccessibleInterface* quietAccessible(const QString&, QObject* object) {
  if (!object->isWidgetType() || !object->property(QuietProperty).toBool()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

}  // namespace

QuietAccessibility::QuietAccessibility(QsciScintillaBase& pane) : pane_(pane) {
  static const bool installed = [] {
    QAccessible::installFactory(quietAccessible);
    return true;
  }();
  (void)installed;
  QAccessible::installActivationObserver(this);
  keepQuiet(!QAccessible::isActive());
}

QuietAccessibility::~QuietAccessibility() { QAccessible::removeActivationObserver(this); }

void QuietAccessibility::accessibilityActiveChanged(bool active) {
  keepQuiet(!active);
  // The accessible made before the change goes; the next one asked for is
  // the kind that fits.
  if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&pane_))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}

void QuietAccessibility::keepQuiet(bool quiet) {
  pane_.setProperty(QuietProperty, quiet);
  const unsigned long notices =
      quiet ? QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE
            : QsciScintillaBase::SC_MODEVENTMASKALL;
  pane_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, notices);
}
