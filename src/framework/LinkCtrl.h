// CMFCLinkCtrl: a SysLink control of a dialog template that opens its address in the default
// browser when it is clicked or activated with Enter. It does not create the control.
#pragma once

#include <windows.h>
#include <string>
#include <utility>

class CDialogEx;

class CMFCLinkCtrl
{
public:
    // Registers with the dialog, which passes its notifications on.
    CMFCLinkCtrl(CDialogEx& dialog, int controlId, std::wstring address);

    // True when the notification was this link's click and the address was opened.
    bool OnNotify(const NMHDR& header);

    const std::wstring& GetAddress() const { return m_address; }

private:
    CDialogEx& m_dialog;
    int m_controlId;
    std::wstring m_address;
};
