// CMFCStatusBar: a common-control status bar whose panes are named by indicator ids: 0 is the
// stretching message pane, any other id is a fixed pane showing the string of that id while its
// lock key (Caps, Num, Scroll) is on. It keeps no message history.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

class CMFCStatusBar
{
public:
    CMFCStatusBar() = default;
    CMFCStatusBar(const CMFCStatusBar&) = delete;
    CMFCStatusBar& operator=(const CMFCStatusBar&) = delete;
    ~CMFCStatusBar();

    bool Create(HWND frame, UINT id);
    bool SetIndicators(const UINT* ids, int count);
    void SetPaneText(int index, const std::wstring& text);

    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    struct Indicator
    {
        UINT id;
        int virtualKey; // 0 for the message pane
        std::wstring text;
        bool shown;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR self);
    void OnSize();
    void UpdateLockKeys();

    HWND m_hWnd = nullptr;
    std::vector<Indicator> m_indicators;
};
