// CChildView: window class, paint handling, the input it writes into the main frame and the page
// and save keys.
#include "ChildView.h"

#include "GuiTypes.h"
#include "MainFrame.h"
#include "ScreenIds.h"
#include "TheDocument.h"
#include "WinAppEx.h"

namespace
{
CMainFrame* Frame()
{
    CWinAppEx* app = CWinAppEx::GetApp();
    return app ? static_cast<CMainFrame*>(app->m_pMainWnd) : nullptr;
}

void SetPointer(CMainFrame& frame, LPARAM position)
{
    frame.m_mouseX = static_cast<int>(static_cast<unsigned>(position) & 0xFFFF);
    frame.m_mouseY = static_cast<int>((static_cast<unsigned>(position) >> 16) & 0xFFFF);
}
} // namespace

void CChildView::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.lpszClass = RegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
}

LRESULT CChildView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Frame() && message != WM_PAINT)
    {
        return Default(message, wParam, lParam);
    }
    switch (message)
    {
    case WM_PAINT: return OnPaint();
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_CHAR: return OnChar(wParam);
    case WM_MOUSEMOVE: return OnMouseMove(lParam);
    // The second press of a double click arrives as WM_LBUTTONDBLCLK: it is a press all the same.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLButtonDown(lParam);
    case WM_LBUTTONUP: return OnLButtonUp(lParam);
    }
    return Default(message, wParam, lParam);
}

LRESULT CChildView::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(m_hWnd, &paint);
    EndPaint(m_hWnd, &paint);
    if (CMainFrame* frame = Frame())
    {
        frame->RenderFrame();
    }
    return 0;
}

// C and I are page keys only with a save loaded and no edit box focused; otherwise they are
// letters for the box. Esc and F12 always work; saving does nothing without a save.
LRESULT CChildView::OnKeyDown(WPARAM key)
{
    CMainFrame& frame = *Frame();
    CSaveDocument& document = TheDocument();
    if (document.IsLoaded() && !frame.m_textEntry && (key == 'C' || key == 'I'))
    {
        frame.GoToPage(key == 'C' ? PAGE_CHARACTER : PAGE_ITEMS);
        return 0;
    }
    switch (key)
    {
    case VK_ESCAPE: frame.GoToPage(PAGE_MAIN); break;
    case VK_F12: document.SaveDocument(); break;
    }
    return 0;
}

// Everything typed between two frames is kept in order for the focused edit box.
LRESULT CChildView::OnChar(WPARAM character)
{
    CMainFrame& frame = *Frame();
    if (frame.m_textEntry)
    {
        frame.m_typedText.push_back(static_cast<wchar_t>(character & 0xFFFF));
    }
    return 0;
}

LRESULT CChildView::OnMouseMove(LPARAM position)
{
    SetPointer(*Frame(), position);
    return 0;
}

LRESULT CChildView::OnLButtonDown(LPARAM position)
{
    CMainFrame& frame = *Frame();
    SetPointer(frame, position);
    frame.m_leftButton = BUTTON_PRESSED;
    frame.m_releasePending = false;
    return 0;
}

LRESULT CChildView::OnLButtonUp(LPARAM position)
{
    CMainFrame& frame = *Frame();
    SetPointer(frame, position);
    // Still PRESSED: the GUI passes may not have seen this press yet (a tap, a quick click on a
    // busy machine), so the release waits for the end of the next frame.
    if (frame.m_leftButton == BUTTON_PRESSED)
    {
        frame.m_releasePending = true;
    }
    else
    {
        frame.m_leftButton = BUTTON_UP;
    }
    return 0;
}
