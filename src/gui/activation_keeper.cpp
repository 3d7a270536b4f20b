#include "gui/activation_keeper.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

ActivationKeeper::ActivationKeeper(QObject* parent) : QObject(parent) {
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationKeeper::takeBack);
}

void ActivationKeeper::keep(QWidget* window) {
  QPointer<QWidget> cameFrom = QApplication::activeWindow();
  for (const Kept& kept : std::as_const(kept_))
    if (kept.window == window) cameFrom = kept.cameFrom;
  kept_.removeIf([window](const Kept& kept) { return kept.window == window; });
  kept_.append({window, cameFrom == window ? nullptr : cameFrom});
}

void ActivationKeeper::release(QWidget* window) {
  QPointer<QWidget> cameFrom;
  for (const Kept& kept : std::as_const(kept_))
    if (kept.window == window) cameFrom = kept.cameFrom;
  kept_.removeIf([window](const Kept& kept) { return kept.window == window; });
  if (!window->isActiveWindow()) return;
  QPointer<QWidget> next = newestKept();
  if (!next) next = cameFrom;
  // Later, once the released window has gone from the screen.
  QTimer::singleShot(0, this, [next] {
    if (next && next->isVisible() && QApplication::activeModalWidget() == nullptr)
      next->activateWindow();
  });
}

QWidget* ActivationKeeper::newestKept() {
  kept_.removeIf([](const Kept& kept) { return kept.window.isNull(); });
  for (auto it = kept_.crbegin(); it != kept_.crend(); ++it)
    if (it->window->isVisible()) return it->window;
  return nullptr;
}

namespace {

/// A window that belongs to owner: owner's own, or one of its popups and
/// child dialogs.
bool belongsTo(const QWindow* window, const QWindow* owner) {
  for (; window; window = window->transientParent())
    if (window == owner) return true;
  return false;
}

}  // namespace

void ActivationKeeper::takeBack(QWindow* nowActive) {
  // Null: another program became active, which is let through. Modal boxes
  // and popup menus are let through too.
  if (!nowActive || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
  if (nowActive->type() == Qt::Popup || nowActive->type() == Qt::ToolTip) return;
  QWidget* newest = newestKept();
  if (!newest || belongsTo(nowActive, newest->windowHandle())) return;
  // Later, so the change that is under way finishes first; by then the
  // window may have been released.
  QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(newest)] {
    if (!window || newestKept() != window) return;
    window->raise();
    window->activateWindow();
  });
}
