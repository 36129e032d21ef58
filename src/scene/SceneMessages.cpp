// The main frame's window procedure for the scene: the first show sets up the device and the
// scene, paints render a frame, the program cursor covers the window, a dropped file is opened,
// destruction releases the device. Everything else goes to the framework. A window shown by
// SetWindowPos gets no WM_SHOWWINDOW (so it is under Wine at start-up), hence the set-up also
// follows that show.
#include "MainFrame.h"

#include "ComRelease.h"
#include "resource.h"

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SHOWWINDOW: return OnShowWindow(wParam, lParam);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(wParam, lParam);
    case WM_PAINT: return OnPaint(wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor();
    case WM_DROPFILES: return OnDropFiles(wParam);
    case WM_DESTROY: return OnDestroy(wParam, lParam);
    }
    return CFrameWndEx::WindowProc(message, wParam, lParam);
}

LRESULT CMainFrame::OnShowWindow(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CFrameWndEx::WindowProc(WM_SHOWWINDOW, wParam, lParam);
    SetUpScene();
    return result;
}

LRESULT CMainFrame::OnWindowPosChanged(WPARAM wParam, LPARAM lParam)
{
    // The default processing sends WM_SIZE first, so the view has its size before the device is made.
    LRESULT result = CFrameWndEx::WindowProc(WM_WINDOWPOSCHANGED, wParam, lParam);
    if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW)
    {
        SetUpScene();
    }
    return result;
}

void CMainFrame::SetUpScene()
{
    // Showing or hiding alike: the null test alone makes the set-up happen once.
    if (!m_d3d)
    {
        InitDirect3D();
        InitScene();
        OnSetCursor();
    }
}

LRESULT CMainFrame::OnPaint(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CFrameWndEx::WindowProc(WM_PAINT, wParam, lParam);
    RenderFrame();
    return result;
}

LRESULT CMainFrame::OnSetCursor()
{
    // A cursor resource is shared: the system frees it with the module.
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_BLADE)));
    return TRUE;
}

LRESULT CMainFrame::OnDestroy(WPARAM wParam, LPARAM lParam)
{
    ReleaseCom(m_titleMesh);
    m_model.ReleaseAll();
    ReleaseCom(m_presentCopy);
    ReleaseCom(m_device);
    DestroyDeviceWindow();
    ReleaseCom(m_d3d);
    return CFrameWndEx::WindowProc(WM_DESTROY, wParam, lParam);
}
