// CMainApp: the start-up steps, idle rendering, the About command and shut-down.
#include "MainApp.h"

#include "AboutDlg.h"
#include "MainFrame.h"
#include "ResString.h"
#include "TheDocument.h"
#include "resource.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <filesystem>
#include <new>

namespace
{
// The frame's resource style: overlapped window plus the add-to-title flag; PreCreateWindow
// narrows it.
constexpr DWORD LOAD_FRAME_STYLE = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;

// The save named by the first command-line argument, if there is one, made absolute: the current
// directory changes (in the file dialogs), and Save must still write the loaded file.
std::wstring SaveToOpen()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring path = arguments && count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    if (path.empty())
    {
        return path;
    }
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.wstring();
}
} // namespace

CMainApp::CMainApp()
{
    m_restartManagerFlags = RESTART_MANAGER_SUPPORT_RESTART;
    m_appUserModelId = L"Quillmark.AppID.NoVersion";
}

CMainApp::~CMainApp() = default;

BOOL CMainApp::InitInstance()
{
    // The argument is taken against the directory the program was started in.
    const std::wstring save = SaveToOpen();
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
    m_frame->PlaceAndShow();
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    // Opened once the screen exists, exactly as a file chosen in the Open dialog.
    if (!save.empty())
    {
        TheDocument().LoadSaveFile(save);
    }
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
