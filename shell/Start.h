#pragma once
#include "platform/WindowDef.h"

namespace shell {

// Start-up, message loop and shutdown; returns the process exit code.
int start();
// The same with another start window, for tests of a window that cannot be created.
int startWith(const platform::WindowDef& startWindow);

}  // namespace shell
