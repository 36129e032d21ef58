// CWnd: a window of our own class whose messages reach a virtual WindowProc of the C++ object.
// It does not own child controls or destroy its window in the destructor; the owner does that.
#pragma once

#include <windows.h>
#include <string>

class CWnd
{
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Creates the window: PreCreateWindow may change every field of the parameters first.
    bool CreateEx(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, HMENU menuOrId,
                  const wchar_t* title = L"");

    // Commands routed to this window; true when it handled the command.
    virtual bool OnCmdMsg(UINT id) { return OnCommand(id); }

protected:
    virtual void PreCreateWindow(CREATESTRUCTW& cs);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own command handlers; none here.
    virtual bool OnCommand(UINT) { return false; }

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Registers (once) a window class of these values whose procedure serves CWnd objects and
    // returns its name; PreCreateWindow stores it in the parameters. Classes go with the process.
    const wchar_t* RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring m_className;
};
