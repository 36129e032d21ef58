// CAboutDlg: the template and the link's address; everything else is the dialog's default.
#include "AboutDlg.h"

#include "WebAddresses.h"
#include "resource.h"

CAboutDlg::CAboutDlg()
    : CDialogEx(IDD_ABOUTBOX),
      m_homeLink(*this, IDC_HOME_LINK, std::wstring(HOME_PAGE_URL, HOME_PAGE_URL + sizeof HOME_PAGE_URL - 1))
{
}
