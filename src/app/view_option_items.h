#pragma once

#include "settings/settings_store.h"
#include "settings/view_options.h"

#include <QObject>
#include <functional>

class QAction;
class QWidget;

/// The menu items of the window's view options: each a checkable item whose
/// state the store keeps. Toggling one stores it, then has the window show
/// the options; an option the store does not take keeps its item as it was.
class ViewOptionItems : public QObject {
  Q_OBJECT
 public:
  /// Errors go to window's error box; show shows the options.
  ViewOptionItems(SettingsStore& store, QWidget& window,
                  std::function<void(const ViewOptions&)> show);

  /// Makes item the checkable item of option.
  void attach(QAction* item, ViewOption option);
  /// Reads the options the store holds and ticks the items; an error goes
  /// to the caller and leaves the defaults.
  const ViewOptions& read();
  /// The options as last read or toggled.
  const ViewOptions& options() const { return options_; }

 private:
  void toggled(QAction* item, ViewOption option);

  SettingsStore& store_;
  QWidget& window_;
  std::function<void(const ViewOptions&)> show_;
  ViewOptions options_;
  QList<QPair<QAction*, ViewOption>> items_;
};
