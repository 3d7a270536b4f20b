#pragma once

#include "engine/tag_set.h"
#include "settings/settings_store.h"

class QWidget;

/// True in style-sheet mode when no style sheet is chosen: StyleSheet empty
/// or a single space.
bool needsStyleSheetWarning(const TagSet& tags);

/// True when Save Output of a style-sheet page warns: no style sheet chosen,
/// or a class whose name (as the store holds it now) can select nothing, so
/// that no rule of the sheet can style it. A read error raises.
bool needsSaveWarning(SettingsStore& store, const TagSet& tags);

/// Shows the warning in a modal box captioned "Warning" with OK and waits.
void showStyleSheetWarning(QWidget* parent);
