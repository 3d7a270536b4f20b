#include "app/view_option_items.h"

#include "gui/error_box.h"

#include <QAction>
#include <QSignalBlocker>
#include <QWidget>
#include <utility>

ViewOptionItems::ViewOptionItems(SettingsStore& store, QWidget& window,
                                 std::function<void(const ViewOptions&)> show)
    : QObject(&window), store_(store), window_(window), show_(std::move(show)) {}

void ViewOptionItems::attach(QAction* item, ViewOption option) {
  item->setCheckable(true);
  item->setChecked(options_.*option);
  items_.append({item, option});
  connect(item, &QAction::triggered, this, [this, item, option] { toggled(item, option); });
}

const ViewOptions& ViewOptionItems::read() {
  options_ = readViewOptions(store_);
  for (const auto& [item, option] : std::as_const(items_)) item->setChecked(options_.*option);
  return options_;
}

void ViewOptionItems::toggled(QAction* item, ViewOption option) {
  const bool on = item->isChecked();
  if (!runCommand(&window_, [&] { writeViewOption(store_, option, on); })) {
    const QSignalBlocker quiet(item);
    item->setChecked(!on);
    return;
  }
  options_.*option = on;
  runCommand(&window_, [this] { show_(options_); });
}
