// CFramePacer: tells the message loop how long to wait before the next idle frame, so that frames
// follow the display's refresh rate even where presenting does not wait. It draws nothing itself.
#pragma once

#include <windows.h>

class CFramePacer
{
public:
    CFramePacer();

    // Milliseconds until the next frame is due; 0 when it is due now.
    DWORD GetWaitMilliseconds() const;
    // Marks the start of a frame; the next one is due one refresh period later.
    void OnFrameStarted();

private:
    LONGLONG GetNow() const;

    LONGLONG m_ticksPerSecond = 1;
    LONGLONG m_period = 0; // in performance-counter ticks
    LONGLONG m_nextFrame = 0;
};
