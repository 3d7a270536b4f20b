#include "app/view_option_item.h"

#include "gui/error_box.h"

#include <QAction>
#include <QSignalBlocker>
#include <QWidget>

void bindViewOption(QAction* action, QWidget* owner, SettingsStore& store, ViewOptions& held,
                    ViewOption option) {
  action->setCheckable(true);
  action->setChecked(held.*option);
  QObject::connect(action, &QAction::toggled, owner, [=, &store, &held](bool on) {
    if (runCommand(owner, [&] { writeViewOption(store, option, on); })) {
      held.*option = on;
      return;
    }
    const QSignalBlocker quiet(action);
    action->setChecked(held.*option);
  });
}
