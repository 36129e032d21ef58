// CMFCLinkCtrl: the click handling. The address is the control's own, not the one in the
// control's markup, so the program's address constants stay the only source.
#include "LinkCtrl.h"

#include "DialogEx.h"

#include <commctrl.h>
#include <shellapi.h>

CMFCLinkCtrl::CMFCLinkCtrl(CDialogEx& dialog, int controlId, std::wstring address)
    : m_dialog(dialog), m_controlId(controlId), m_address(std::move(address))
{
    dialog.AddLink(*this);
}

bool CMFCLinkCtrl::OnNotify(const NMHDR& header)
{
    if (static_cast<int>(header.idFrom) != m_controlId ||
        (header.code != NM_CLICK && header.code != NM_RETURN))
    {
        return false;
    }
    ShellExecuteW(m_dialog.GetSafeHwnd(), L"open", m_address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}
