// CMainFrame::PresentFrame: shows the finished back buffer in the view. Wine 8 renders a device of
// a child window into an offscreen X window that never reaches the screen, so under Wine the
// frame is read back into a system-memory surface and drawn into the view through GDI instead.
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
        m_device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format, D3DPOOL_SYSTEMMEM,
                                              &m_presentCopy, nullptr);
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
        D3DSURFACE_DESC desc{};
        m_presentCopy->GetDesc(&desc);
        HDC source = nullptr;
        if (SUCCEEDED(m_presentCopy->GetDC(&source)))
        {
            HDC view = GetDC(m_view.GetSafeHwnd());
            BitBlt(view, 0, 0, static_cast<int>(desc.Width), static_cast<int>(desc.Height), source, 0, 0, SRCCOPY);
            ReleaseDC(m_view.GetSafeHwnd(), view);
            m_presentCopy->ReleaseDC(source);
        }
    }
    ReleaseCom(backBuffer);
}
