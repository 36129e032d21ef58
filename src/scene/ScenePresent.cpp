// CMainFrame::PresentFrame: shows the finished back buffer in the view. Wine 8 never shows a
// device that renders into a child window, and once a child has a GL drawable, GDI drawing over
// it stops reaching the screen after the first frames. So under Wine the device renders into a
// hidden window of its own, and each frame is read back into a system-memory surface and drawn
// into the view through GDI. The copy must be 32 bits per pixel (the desktop format).
#include "MainFrame.h"

#include "ComRelease.h"

namespace
{
bool IsRunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
} // namespace

HWND CMainFrame::CreateDeviceWindow()
{
    if (!IsRunningUnderWine())
    {
        return m_view.GetSafeHwnd();
    }
    RECT client;
    GetClientRect(m_view.GetSafeHwnd(), &client);
    m_deviceWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", nullptr, WS_POPUP, 0, 0, client.right,
                                     client.bottom, m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    return m_deviceWindow;
}

void CMainFrame::DestroyDeviceWindow()
{
    if (m_deviceWindow)
    {
        DestroyWindow(m_deviceWindow);
        m_deviceWindow = nullptr;
    }
}

void CMainFrame::CreatePresentCopy()
{
    if (!m_deviceWindow)
    {
        return;
    }
    IDirect3DSurface9* backBuffer = nullptr;
    D3DSURFACE_DESC desc{};
    if (SUCCEEDED(m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)))
    {
        backBuffer->GetDesc(&desc);
        if (desc.Format == D3DFMT_X8R8G8B8 || desc.Format == D3DFMT_A8R8G8B8)
        {
            m_device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM,
                                                  &m_presentCopy, nullptr);
        }
    }
    ReleaseCom(backBuffer);
}

void CMainFrame::PresentFrame()
{
    if (!m_presentCopy)
    {
        m_device->Present(nullptr, nullptr, nullptr, nullptr);
        return;
    }
    IDirect3DSurface9* backBuffer = nullptr;
    if (SUCCEEDED(m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
        SUCCEEDED(m_device->GetRenderTargetData(backBuffer, m_presentCopy)))
    {
        DrawPresentCopy();
    }
    ReleaseCom(backBuffer);
}

void CMainFrame::DrawPresentCopy()
{
    D3DSURFACE_DESC desc{};
    m_presentCopy->GetDesc(&desc);
    D3DLOCKED_RECT pixels{};
    if (FAILED(m_presentCopy->LockRect(&pixels, nullptr, D3DLOCK_READONLY)))
    {
        return;
    }
    // The copy is 32-bit X8R8G8B8 rows of Pitch bytes, top row first: a top-down DIB.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.Pitch / 4;
    info.bmiHeader.biHeight = -static_cast<LONG>(desc.Height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HWND view = m_view.GetSafeHwnd();
    HDC dc = GetDC(view);
    SetDIBitsToDevice(dc, 0, 0, desc.Width, desc.Height, 0, 0, 0, desc.Height, pixels.pBits, &info,
                      DIB_RGB_COLORS);
    ReleaseDC(view, dc);
    m_presentCopy->UnlockRect();
}
