// The toolkit's one source of time: milliseconds like GetTickCount, replaceable so that tests (and
// anything animated) can drive time without sleeping. Not thread-safe; UI thread only.
#pragma once

#include <windows.h>

using GuiTickSource = DWORD (*)();

// Current tick count in milliseconds from the installed source (GetTickCount by default).
DWORD GuiTickCount();

// Installs a tick source; null restores GetTickCount.
void SetGuiTickSource(GuiTickSource source);
