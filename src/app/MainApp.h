// CMainApp: the application object: start-up (common controls, OLE, the main frame), idle
// rendering, the About command and shut-down.
#pragma once

#include "SaveHostWin32.h"
#include "WinAppEx.h"

#include <memory>

class CMainFrame;

class CMainApp : public CWinAppEx
{
public:
    CMainApp();
    ~CMainApp() override;

protected:
    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;
    bool OnCommand(UINT id) override;

private:
    bool OnAppAbout();

    bool m_oleInitialized = false;
    CWin32SaveHost m_saveHost;           // the document's dialogs
    std::unique_ptr<CMainFrame> m_frame; // m_pMainWnd refers to it
};
