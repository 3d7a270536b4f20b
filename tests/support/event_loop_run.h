#pragma once

#include <functional>

/// Runs the application's event loop with start as its first event and gives
/// back the loop's exit code; 1 when the loop was still running after ten
/// seconds.
int runEventLoopStartingWith(const std::function<void()>& start);
