// CMainFrame: window parameters, creation of the panes and the view, focus, layout, command
// routing, toolbar customisation and destruction. The device and the frame routine are in src/scene.
#include "MainFrame.h"

#include "ComRelease.h"
#include "FrameworkIds.h"
#include "ResString.h"
#include "TheDocument.h"
#include "resource.h"

#include <shellapi.h>

namespace
{
const UINT INDICATORS[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// Caption, system menu and minimise box: the frame can be neither resized nor maximised.
constexpr DWORD FRAME_STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;
} // namespace

CMainFrame::CMainFrame()
{
    D3DXMatrixIdentity(&m_viewMatrix);
    D3DXMatrixIdentity(&m_titleCentre);
}

CMainFrame::~CMainFrame()
{
    if (TheDocument().m_screen == this)
    {
        TheDocument().m_screen = nullptr;
    }
    // Normally WM_DESTROY has released these already.
    ReleaseCom(m_titleMesh);
    ReleaseCom(m_presentCopy);
    ReleaseCom(m_device);
    DestroyDeviceWindow();
    ReleaseCom(m_d3d);
}

void CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    CFrameWndEx::PreCreateWindow(cs);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    // The add-to-title flag only says where the caption comes from; Win32 gets the real styles.
    cs.style = FRAME_STYLE & ~FWS_ADDTOTITLE;
    cs.lpszClass = RegisterWndClass(0, nullptr, nullptr, nullptr);
}

int CMainFrame::OnCreate(CREATESTRUCTW&)
{
    if (!m_menuBar.Create(m_hWnd, IDR_MAINFRAME))
    {
        return -1;
    }
    RECT empty{0, 0, 0, 0};
    if (!m_view.CreateEx(0, WS_CHILD | WS_VISIBLE | WS_BORDER, empty, m_hWnd,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST))))
    {
        return -1;
    }
    if (!m_toolBar.Create(m_hWnd, AFX_IDW_TOOLBAR) || !m_toolBar.LoadToolBar(IDR_TOOLBAR))
    {
        return -1;
    }
    m_toolBar.SetWindowText(LoadResString(IDS_TOOLBAR_STANDARD));
    m_toolBar.EnableCustomizeButton(ID_VIEW_CUSTOMIZE, LoadResString(IDS_TOOLBAR_CUSTOMIZE));
    if (!m_statusBar.Create(m_hWnd, AFX_IDW_STATUS_BAR) ||
        !m_statusBar.SetIndicators(INDICATORS, sizeof INDICATORS / sizeof INDICATORS[0]))
    {
        return -1;
    }
    // A resource icon is shared: it is freed with the module, never by the program.
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    DragAcceptFiles(m_hWnd, TRUE);
    return 0;
}

void CMainFrame::OnSetFocus(HWND)
{
    SetFocus(m_view.GetSafeHwnd());
}

void CMainFrame::RecalcLayout()
{
    ArrangeClientArea(m_toolBar.GetSafeHwnd(), m_statusBar.GetSafeHwnd(), m_view.GetSafeHwnd());
}

LRESULT CMainFrame::OnNotify(NMHDR& header)
{
    LRESULT result = 0;
    if (m_toolBar.OnNotify(header, result))
    {
        return result;
    }
    return CFrameWndEx::OnNotify(header);
}

bool CMainFrame::OnCmdMsg(UINT id)
{
    if (m_view.OnCmdMsg(id))
    {
        return true;
    }
    return CFrameWndEx::OnCmdMsg(id);
}

bool CMainFrame::OnCommand(UINT id)
{
    switch (id)
    {
    case ID_VIEW_CUSTOMIZE: return OnViewCustomize();
    }
    return false;
}

bool CMainFrame::OnViewCustomize()
{
    m_toolBar.Customize();
    return true;
}

void CMainFrame::ShowStatusMessage(const std::wstring& text)
{
    m_statusBar.SetPaneText(0, text);
}
