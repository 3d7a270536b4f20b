#pragma once

#include "settings/settings_store.h"
#include "settings/view_options.h"

class QAction;
class QWidget;

/// Makes action the menu's check item of one view option: checked as held
/// says, and every toggle kept in held and stored at once. When the store
/// cannot be written, the error box over owner says why and the item returns
/// to what held keeps. held and store must outlive the action.
void bindViewOption(QAction* action, QWidget* owner, SettingsStore& store, ViewOptions& held,
                    ViewOption option);
