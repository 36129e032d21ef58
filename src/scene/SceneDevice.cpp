// CMainFrame::InitDirect3D: the Direct3D object and the device on the view's window. A failure
// leaves the device null (the frame routine then draws nothing) and says why in the status bar.
#include "MainFrame.h"

#include <cstdio>

namespace
{
constexpr wchar_t NO_DIRECT3D[] =
    L"无法初始化 Direct3D 9，编辑画面无法显示。请检查显卡驱动程序和 DirectX 是否已正确安装。";
constexpr wchar_t NO_DEVICE_FORMAT[] =
    L"无法创建 Direct3D 设备（错误 0x%08lX），编辑画面无法显示。请检查显卡驱动程序和 DirectX "
    L"是否已正确安装。";
} // namespace

void CMainFrame::InitDirect3D()
{
    m_d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (!m_d3d)
    {
        ShowStatusMessage(NO_DIRECT3D);
        return;
    }
    // Back buffer size and format come from the window and the desktop; the default present
    // interval waits for the display where the driver supports it.
    D3DPRESENT_PARAMETERS parameters{};
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    HRESULT result = m_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, CreateDeviceWindow(),
                                         D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &m_device);
    if (FAILED(result) || !m_device)
    {
        m_device = nullptr;
        wchar_t text[256];
        swprintf(text, sizeof text / sizeof text[0], NO_DEVICE_FORMAT, static_cast<unsigned long>(result));
        ShowStatusMessage(text);
        return;
    }
    CreatePresentCopy();
}
