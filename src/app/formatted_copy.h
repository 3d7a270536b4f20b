#pragma once

#include "settings/settings_store.h"

class Pane;
class QMimeData;

/// Output > Copy Formatted: the source pane's lines, converted with the
/// store's in-code attributes as inline styles, for pasting into a mail or a
/// document. It offers text/html (the fragment) and plain text (the source
/// itself), both in Unicode; neither pane changes.
QMimeData* formattedCopy(SettingsStore& store, const Pane& source);
