// CAboutDlg: the About box from template 100: program name, version and a link to the home page.
#pragma once

#include "DialogEx.h"
#include "LinkCtrl.h"

class CAboutDlg : public CDialogEx
{
public:
    CAboutDlg();

private:
    CMFCLinkCtrl m_homeLink;
};
