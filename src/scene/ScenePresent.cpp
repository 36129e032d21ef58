// CMainFrame::PresentFrame: shows the finished back buffer in the view. Wine 8 renders a device of
// a child window into an offscreen X window that never reaches the screen, so under Wine the
// frame is read back into a system-memory surface and drawn into the view through GDI instead.
// The copy must be 32 bits per pixel (the desktop format of a windowed device).
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

void CMainFrame::CreatePresentCopy()
{
    if (!IsRunningUnderWine())
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
    // Drawn through the frame's DC: once Wine has given the view a GL drawable, the view's own DC
    // draws into that offscreen window too.
    HWND view = m_view.GetSafeHwnd();
    RECT client;
    GetClientRect(view, &client);
    MapWindowPoints(view, m_hWnd, reinterpret_cast<POINT*>(&client), 2);
    HDC frame = GetDC(m_hWnd);
    IntersectClipRect(frame, client.left, client.top, client.right, client.bottom);
    SetDIBitsToDevice(frame, client.left, client.top, desc.Width, desc.Height, 0, 0, 0, desc.Height,
                      pixels.pBits, &info, DIB_RGB_COLORS);
    ReleaseDC(m_hWnd, frame);
    m_presentCopy->UnlockRect();
}
