// Tick source of the toolkit: GetTickCount unless a test installed its own.
#include "Clock.h"

namespace
{
GuiTickSource s_tickSource = nullptr;
}

DWORD GuiTickCount()
{
    return s_tickSource ? s_tickSource() : GetTickCount();
}

void SetGuiTickSource(GuiTickSource source)
{
    s_tickSource = source;
}
