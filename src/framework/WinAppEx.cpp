// CWinAppEx: the message loop. Idle frames are paced by CFramePacer; the wait in between wakes at
// once on any input, so input stays responsive while the idle CPU use stays low.
#include "WinAppEx.h"

#include "FrameWndEx.h"
#include "FramePacer.h"

#include <shobjidl.h>
#include <timeapi.h>

CWinAppEx* CWinAppEx::s_app = nullptr;

CWinAppEx::CWinAppEx()
{
    s_app = this;
}

CWinAppEx::~CWinAppEx()
{
    s_app = nullptr;
}

int CWinAppEx::Run(HINSTANCE instance)
{
    m_hInstance = instance;
    if (InitInstance())
    {
        m_exitCode = RunMessageLoop();
    }
    return ExitInstance();
}

BOOL CWinAppEx::InitInstance()
{
    if (!m_appUserModelId.empty())
    {
        SetCurrentProcessExplicitAppUserModelID(m_appUserModelId.c_str());
    }
    if (m_restartManagerFlags & RESTART_MANAGER_SUPPORT_RESTART)
    {
        RegisterApplicationRestart(nullptr, 0);
    }
    return TRUE;
}

int CWinAppEx::RunMessageLoop()
{
    // Waits of a few milliseconds need the fine system timer; the default 15.6 ms tick would
    // halve the frame rate.
    timeBeginPeriod(1);
    CFramePacer pacer;
    LONG idleCount = 0;
    bool wantIdle = true;
    MSG message{};
    for (;;)
    {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (message.message == WM_QUIT)
            {
                timeEndPeriod(1);
                return static_cast<int>(message.wParam);
            }
            if (!PreTranslateMessage(message))
            {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            wantIdle = true;
            idleCount = 0;
        }
        if (!wantIdle)
        {
            WaitMessage();
            continue;
        }
        DWORD wait = pacer.GetWaitMilliseconds();
        if (wait > 0)
        {
            MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        pacer.OnFrameStarted();
        wantIdle = OnIdle(idleCount++) != FALSE;
    }
}

bool CWinAppEx::PreTranslateMessage(MSG& message)
{
    return m_pMainWnd && m_pMainWnd->PreTranslateMessage(message);
}
