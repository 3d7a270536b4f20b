#pragma once

#include "settings/settings_store.h"

class Pane;
class QMimeData;

/// Output > Copy Formatted: the source pane's lines, converted with the
/// store's in-code attributes, for pasting into a mail or a document. It
/// offers text/html (the fragment, with inline styles), text/rtf (for word
/// processors that prefer it) and plain text (the source itself), all from
/// one read of the store; neither pane changes.
QMimeData* formattedCopy(SettingsStore& store, const Pane& source);

/// The clipboard format of the RTF.
inline constexpr const char* RtfMimeType = "text/rtf";
