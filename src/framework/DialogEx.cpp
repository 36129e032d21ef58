// CDialogEx: the modal run, the procedure that reaches the object, and the default buttons.
#include "DialogEx.h"

#include "FrameWndEx.h"
#include "LinkCtrl.h"
#include "WinAppEx.h"

CDialogEx::CDialogEx(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialogEx::DoModal()
{
    HWND owner = m_parent;
    CWinAppEx* app = CWinAppEx::GetApp();
    if (!owner && app && app->m_pMainWnd)
    {
        owner = app->m_pMainWnd->GetSafeHwnd();
    }
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner, StaticDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialogEx::DialogProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND: return OnCommand(wParam);
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    }
    return FALSE;
}

INT_PTR CALLBACK CDialogEx::StaticDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto* self = reinterpret_cast<CDialogEx*>(lParam);
        self->m_hWnd = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<CDialogEx*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self)
    {
        return FALSE;
    }
    INT_PTR result = FALSE;
    try
    {
        result = self->DialogProc(message, wParam, lParam);
    }
    catch (...)
    {
        // Only allocation can throw here; the message then gets the default dialog treatment.
        result = FALSE;
    }
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CDialogEx::OnCommand(WPARAM wParam)
{
    WORD id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL)
    {
        EndDialog(m_hWnd, id);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CDialogEx::OnNotify(const NMHDR& header)
{
    for (CMFCLinkCtrl* link : m_links)
    {
        if (link->OnNotify(header))
        {
            return TRUE;
        }
    }
    return FALSE;
}
