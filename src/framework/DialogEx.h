// CDialogEx: a modal dialog from a dialog template resource. OK and Cancel (Enter, Esc, the close
// box) end it; link controls registered with it open their address when clicked.
// No data exchange: a dialog that needs more overrides DialogProc.
#pragma once

#include <windows.h>
#include <vector>

class CMFCLinkCtrl;

class CDialogEx
{
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialogEx(UINT templateId, HWND parent = nullptr);
    CDialogEx(const CDialogEx&) = delete;
    CDialogEx& operator=(const CDialogEx&) = delete;
    virtual ~CDialogEx() = default;

    // Runs the dialog; returns the id of the button that ended it, or -1 when it could not be made.
    INT_PTR DoModal();

    void AddLink(CMFCLinkCtrl& link) { m_links.push_back(&link); }
    HWND GetSafeHwnd() const { return m_hWnd; }

protected:
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnCommand(WPARAM wParam);
    INT_PTR OnNotify(const NMHDR& header);

    UINT m_templateId;
    HWND m_parent;
    std::vector<CMFCLinkCtrl*> m_links; // not owned: members of the derived dialog
};
