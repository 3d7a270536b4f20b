#pragma once

#include "engine/tag_set.h"

class QWidget;

/// True in style-sheet mode when no style sheet is chosen: StyleSheet empty
/// or a single space.
bool needsStyleSheetWarning(const TagSet& tags);

/// Shows the warning in a modal box captioned "Warning" with OK and waits.
void showStyleSheetWarning(QWidget* parent);
