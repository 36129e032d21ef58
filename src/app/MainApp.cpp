// CMainApp: the start-up steps, idle rendering, the About command and shut-down.
#include "MainApp.h"

#include "AboutDlg.h"
#include "MainFrame.h"
#include "ResString.h"
#include "TheDocument.h"
#include "resource.h"

#include <commctrl.h>
#include <ole2.h>

#include <new>

namespace
{
// The frame's resource style: overlapped window plus the add-to-title flag; PreCreateWindow
// narrows it.
constexpr DWORD LOAD_FRAME_STYLE = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
constexpr int FRAME_X = 100;
constexpr int FRAME_Y = 100;
constexpr int FRAME_WIDTH = 810;
constexpr int FRAME_HEIGHT = 670;
} // namespace

CMainApp::CMainApp()
{
    m_restartManagerFlags = RESTART_MANAGER_SUPPORT_RESTART;
    m_appUserModelId = L"Quillmark.AppID.NoVersion";
}

CMainApp::~CMainApp() = default;

BOOL CMainApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CWinAppEx::InitInstance();

    if (FAILED(OleInitialize(nullptr)))
    {
        MessageBoxW(nullptr, LoadResString(IDS_OLE_INIT_FAILED).c_str(), LoadResString(IDR_MAINFRAME).c_str(),
                    MB_OK);
        return FALSE;
    }
    m_oleInitialized = true;
    TheDocument().m_host = &m_saveHost;

    m_frame.reset(new (std::nothrow) CMainFrame);
    if (!m_frame)
    {
        return FALSE;
    }
    m_pMainWnd = m_frame.get();
    if (!m_frame->LoadFrame(IDR_MAINFRAME, LOAD_FRAME_STYLE, nullptr))
    {
        return FALSE;
    }
    HWND frame = m_frame->GetSafeHwnd();
    SetWindowPos(frame, HWND_TOP, FRAME_X, FRAME_Y, FRAME_WIDTH, FRAME_HEIGHT,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    return TRUE;
}

int CMainApp::ExitInstance()
{
    TheDocument().m_host = nullptr;
    m_pMainWnd = nullptr;
    m_frame.reset();
    if (m_oleInitialized)
    {
        OleUninitialize();
        m_oleInitialized = false;
    }
    return CWinAppEx::ExitInstance();
}

BOOL CMainApp::OnIdle(LONG)
{
    if (m_frame)
    {
        m_frame->RenderFrame();
    }
    return TRUE;
}

bool CMainApp::OnCommand(UINT id)
{
    switch (id)
    {
    case ID_APP_ABOUT: return OnAppAbout();
    }
    return false;
}

bool CMainApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
    return true;
}
