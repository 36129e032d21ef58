// CMainFrame::PlaceAndShow: the frame stands at (100, 100), 810 wide, and is as high as it must
// be for the view's client area to hold the whole canvas once the menu bar, toolbar and status
// bar are laid out; the panes' heights are measured, not assumed.
#include "MainFrame.h"

#include <algorithm>

namespace
{
constexpr int FRAME_X = 100;
constexpr int FRAME_Y = 100;
constexpr int FRAME_WIDTH = 810;
constexpr int FRAME_HEIGHT = 670;
// The canvas, 600 high below its origin at y = 19, drawn 1:1.
constexpr int VIEW_MIN_HEIGHT = 619;
} // namespace

void CMainFrame::PlaceAndShow()
{
    SetWindowPos(m_hWnd, HWND_TOP, FRAME_X, FRAME_Y, FRAME_WIDTH, FRAME_HEIGHT, SWP_FRAMECHANGED | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(m_view.GetSafeHwnd(), &client);
    const int height = FRAME_HEIGHT + std::max(0, VIEW_MIN_HEIGHT - static_cast<int>(client.bottom - client.top));

    // Past the bottom of the monitor's work area the frame moves up, but never above its top.
    int y = FRAME_Y;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
    {
        y = std::max<int>(std::min<int>(y, monitor.rcWork.bottom - height), monitor.rcWork.top);
    }
    SetWindowPos(m_hWnd, HWND_TOP, FRAME_X, y, FRAME_WIDTH, height, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}
