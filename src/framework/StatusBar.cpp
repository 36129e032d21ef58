// CMFCStatusBar: creation, pane widths from the indicator texts, and a slow timer that follows
// the lock keys (the keys go to whichever window has the focus, so the bar looks for itself).
#include "StatusBar.h"

#include "FrameworkIds.h"
#include "ResString.h"

#include <commctrl.h>

namespace
{
constexpr UINT_PTR SUBCLASS_ID = 1;
constexpr UINT_PTR LOCK_KEY_TIMER = 1;
constexpr UINT LOCK_KEY_INTERVAL_MS = 250;
constexpr int PANE_PADDING = 12;

int GetLockKey(UINT indicator)
{
    switch (indicator)
    {
    case ID_INDICATOR_CAPS: return VK_CAPITAL;
    case ID_INDICATOR_NUM: return VK_NUMLOCK;
    case ID_INDICATOR_SCRL: return VK_SCROLL;
    }
    return 0;
}
} // namespace

CMFCStatusBar::~CMFCStatusBar()
{
    if (m_hWnd && IsWindow(m_hWnd))
    {
        KillTimer(m_hWnd, LOCK_KEY_TIMER);
        RemoveWindowSubclass(m_hWnd, SubclassProc, SUBCLASS_ID);
    }
}

bool CMFCStatusBar::Create(HWND frame, UINT id)
{
    m_hWnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (!m_hWnd)
    {
        return false;
    }
    SetWindowSubclass(m_hWnd, SubclassProc, SUBCLASS_ID, reinterpret_cast<DWORD_PTR>(this));
    SetTimer(m_hWnd, LOCK_KEY_TIMER, LOCK_KEY_INTERVAL_MS, nullptr);
    return true;
}

bool CMFCStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_indicators.clear();
    for (int i = 0; i < count; ++i)
    {
        std::wstring text = ids[i] == ID_SEPARATOR ? std::wstring() : LoadResString(ids[i]);
        m_indicators.push_back(Indicator{ids[i], GetLockKey(ids[i]), text, false});
    }
    OnSize();
    UpdateLockKeys();
    return true;
}

void CMFCStatusBar::SetPaneText(int index, const std::wstring& text)
{
    SendMessageW(m_hWnd, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT CALLBACK CMFCStatusBar::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self)
{
    auto* bar = reinterpret_cast<CMFCStatusBar*>(self);
    switch (message)
    {
    case WM_TIMER: bar->UpdateLockKeys(); return 0;
    case WM_SIZE: bar->OnSize(); break;
    case WM_NCDESTROY: RemoveWindowSubclass(window, SubclassProc, SUBCLASS_ID); break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void CMFCStatusBar::OnSize()
{
    // Fixed panes as wide as their text, right-aligned; the message pane takes what is left.
    if (m_indicators.empty())
    {
        return;
    }
    RECT client;
    GetClientRect(m_hWnd, &client);
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
    std::vector<int> edges(m_indicators.size());
    int right = client.right;
    for (size_t i = m_indicators.size(); i-- > 0;)
    {
        edges[i] = i + 1 == m_indicators.size() ? -1 : right;
        const Indicator& indicator = m_indicators[i];
        if (indicator.id != ID_SEPARATOR)
        {
            SIZE extent{};
            GetTextExtentPoint32W(dc, indicator.text.c_str(), static_cast<int>(indicator.text.size()),
                                  &extent);
            right -= extent.cx + PANE_PADDING;
        }
    }
    SelectObject(dc, oldFont);
    ReleaseDC(m_hWnd, dc);
    SendMessageW(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CMFCStatusBar::UpdateLockKeys()
{
    for (size_t i = 0; i < m_indicators.size(); ++i)
    {
        Indicator& indicator = m_indicators[i];
        if (indicator.virtualKey == 0)
        {
            continue;
        }
        bool on = (GetKeyState(indicator.virtualKey) & 1) != 0;
        if (on != indicator.shown)
        {
            indicator.shown = on;
            SetPaneText(static_cast<int>(i), on ? indicator.text : std::wstring());
        }
    }
}
