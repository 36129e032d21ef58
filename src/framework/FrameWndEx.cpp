// CFrameWndEx: frame creation from a resource id, accelerator translation, command routing and the
// frame's flat message switch.
#include "FrameWndEx.h"

#include "FrameworkIds.h"
#include "WinAppEx.h"

bool CFrameWndEx::LoadFrame(UINT resourceId, DWORD style, HWND parent)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    wchar_t title[256] = L"";
    LoadStringW(module, resourceId, title, sizeof title / sizeof title[0]);
    m_accelerators = LoadAcceleratorsW(module, MAKEINTRESOURCEW(resourceId));
    RECT rect{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return CreateEx(0, style, rect, parent, nullptr, title);
}

bool CFrameWndEx::PreTranslateMessage(MSG& message)
{
    if (!m_accelerators || !m_hWnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
    {
        return false;
    }
    if (message.hwnd != m_hWnd && !IsChild(m_hWnd, message.hwnd))
    {
        return false;
    }
    return TranslateAcceleratorW(m_hWnd, m_accelerators, &message) != 0;
}

bool CFrameWndEx::OnCmdMsg(UINT id)
{
    if (OnCommand(id))
    {
        return true;
    }
    if (id == ID_APP_EXIT)
    {
        PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
        return true;
    }
    CWinAppEx* app = CWinAppEx::GetApp();
    return app && app->OnCmdMsg(id);
}

void CFrameWndEx::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    CWnd::PreCreateWindow(cs);
}

LRESULT CFrameWndEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE: return OnCreateMessage(lParam);
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_COMMAND: return OnCommandMessage(wParam);
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SIZE: return OnSizeMessage();
    case WM_NCDESTROY: return OnNcDestroy();
    }
    return Default(message, wParam, lParam);
}

LRESULT CFrameWndEx::OnNotify(NMHDR&)
{
    return 0;
}

void CFrameWndEx::ArrangeClientArea(HWND topPane, HWND bottomPane, HWND view)
{
    // The common controls place themselves at their edge when they get WM_SIZE.
    SendMessageW(topPane, WM_SIZE, 0, 0);
    SendMessageW(bottomPane, WM_SIZE, 0, 0);
    RECT client, top, bottom;
    GetClientRect(m_hWnd, &client);
    GetWindowRect(topPane, &top);
    GetWindowRect(bottomPane, &bottom);
    int viewTop = client.top + (top.bottom - top.top);
    int viewBottom = client.bottom - (bottom.bottom - bottom.top);
    MoveWindow(view, 0, viewTop, client.right, viewBottom > viewTop ? viewBottom - viewTop : 0, TRUE);
}

LRESULT CFrameWndEx::OnCreateMessage(LPARAM lParam)
{
    return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam));
}

LRESULT CFrameWndEx::OnCommandMessage(WPARAM wParam)
{
    OnCmdMsg(LOWORD(wParam));
    return 0;
}

LRESULT CFrameWndEx::OnSizeMessage()
{
    RecalcLayout();
    return 0;
}

LRESULT CFrameWndEx::OnNcDestroy()
{
    // The frame is the program's main window: its end is the end of the message loop.
    PostQuitMessage(0);
    return Default(WM_NCDESTROY, 0, 0);
}
