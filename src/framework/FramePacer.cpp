// CFramePacer: the refresh period from the desktop's display settings and the frame schedule.
// The waiting itself is done by the message loop, which must wake on input.
#include "FramePacer.h"

namespace
{
// Used when the display reports no rate (0 or 1 mean "hardware default").
constexpr int DEFAULT_REFRESH_HZ = 60;

int GetDisplayRefreshRate()
{
    HDC screen = GetDC(nullptr);
    int rate = screen ? GetDeviceCaps(screen, VREFRESH) : 0;
    if (screen)
    {
        ReleaseDC(nullptr, screen);
    }
    return rate > 1 ? rate : DEFAULT_REFRESH_HZ;
}
} // namespace

CFramePacer::CFramePacer()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    m_ticksPerSecond = frequency.QuadPart;
    m_period = m_ticksPerSecond / GetDisplayRefreshRate();
    m_nextFrame = GetNow();
}

DWORD CFramePacer::GetWaitMilliseconds() const
{
    LONGLONG left = m_nextFrame - GetNow();
    if (left <= 0)
    {
        return 0;
    }
    return static_cast<DWORD>((left * 1000 + m_ticksPerSecond - 1) / m_ticksPerSecond);
}

void CFramePacer::OnFrameStarted()
{
    LONGLONG now = GetNow();
    m_nextFrame += m_period;
    // After a stall (a modal dialog, a slow frame) start the schedule afresh instead of
    // rendering the missed frames back to back.
    if (m_nextFrame < now)
    {
        m_nextFrame = now + m_period;
    }
}

LONGLONG CFramePacer::GetNow() const
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}
