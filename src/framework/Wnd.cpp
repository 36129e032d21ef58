// CWnd: window class registration, creation and the procedure that forwards to the object.
// Messages before WM_NCCREATE and after WM_NCDESTROY go to the default procedure.
#include "Wnd.h"

#include <cstdio>

bool CWnd::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, HMENU menuOrId,
                    const wchar_t* title)
{
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = title;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = GetModuleHandleW(nullptr);
    cs.lpCreateParams = this;
    PreCreateWindow(cs);
    HWND window = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x,
                                  cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this);
    return window != nullptr;
}

void CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
    {
        cs.lpszClass = RegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

const wchar_t* CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    wchar_t name[96];
    swprintf(name, sizeof name / sizeof name[0], L"QmWnd:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
             static_cast<void*>(background), static_cast<void*>(icon));
    m_className = name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = m_className.c_str();
    RegisterClassExW(&wc); // fails harmlessly when a window of the same values registered it before
    return m_className.c_str();
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hWnd = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
    {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    try
    {
        result = self->WindowProc(message, wParam, lParam);
    }
    catch (...)
    {
        // Only allocation can throw in the handlers; the message then gets the default treatment
        // rather than unwinding through the system's code.
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}
