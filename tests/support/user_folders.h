#pragma once

class QTemporaryDir;

/// Points the user's config, cache and runtime folders into base, so that
/// no test touches the real ones. False when the runtime folder could not be
/// made.
bool useUserFoldersIn(const QTemporaryDir& base);
