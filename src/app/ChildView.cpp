// CChildView: window class and paint handling.
#include "ChildView.h"

#include "MainFrame.h"
#include "WinAppEx.h"

void CChildView::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.lpszClass = RegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
}

LRESULT CChildView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT: return OnPaint();
    }
    return Default(message, wParam, lParam);
}

LRESULT CChildView::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    CWinAppEx* app = CWinAppEx::GetApp();
    if (app && app->m_pMainWnd)
    {
        static_cast<CMainFrame*>(app->m_pMainWnd)->RenderFrame();
    }
    return 0;
}
