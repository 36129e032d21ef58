// CWinAppEx: the one application object: start-up, the message loop that renders from idle time
// at the display's rate, accelerators, the application's commands and shut-down.
// It creates no window itself; InitInstance of the program does.
#pragma once

#include <windows.h>
#include <string>

// Restart-manager support flag: the system may restart the program after an update or a crash.
constexpr DWORD RESTART_MANAGER_SUPPORT_RESTART = 1;

class CFrameWndEx;

class CWinAppEx
{
public:
    CWinAppEx();
    CWinAppEx(const CWinAppEx&) = delete;
    CWinAppEx& operator=(const CWinAppEx&) = delete;
    virtual ~CWinAppEx();

    static CWinAppEx* GetApp() { return s_app; }

    // Start-up, message loop, shut-down; returns the process exit code.
    int Run(HINSTANCE instance);

    // Commands that no window handled.
    virtual bool OnCmdMsg(UINT id) { return OnCommand(id); }

    HINSTANCE m_hInstance = nullptr;
    CFrameWndEx* m_pMainWnd = nullptr; // not owned

protected:
    // Applies the settings below; the program's InitInstance calls it first.
    virtual BOOL InitInstance();
    virtual int ExitInstance() { return m_exitCode; }
    // Called while no message waits; true asks for more idle time.
    virtual BOOL OnIdle(LONG) { return FALSE; }
    virtual bool OnCommand(UINT) { return false; }

    DWORD m_restartManagerFlags = 0;
    std::wstring m_appUserModelId; // empty: the system derives one

private:
    int RunMessageLoop();
    bool PreTranslateMessage(MSG& message);

    static CWinAppEx* s_app;
    int m_exitCode = 0;
};
