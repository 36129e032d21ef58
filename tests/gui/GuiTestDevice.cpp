// The hidden window and device of the toolkit's tests and benchmark.
#include "GuiTestDevice.h"

#include "ComRelease.h"

bool CreateGuiTestDevice(CGuiTestDevice& device)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillmarkGuiTest";
    RegisterClassW(&windowClass);
    // Never shown: the device draws into its back buffer, which is read before Present.
    device.m_window =
        CreateWindowW(L"QuillmarkGuiTest", L"Quillmark GUI test", WS_OVERLAPPEDWINDOW, 0, 0, CANVAS_WIDTH,
                      CANVAS_HEIGHT, nullptr, nullptr, windowClass.hInstance, nullptr);
    device.m_d3d = device.m_window ? Direct3DCreate9(D3D_SDK_VERSION) : nullptr;
    if (!device.m_d3d)
    {
        ReleaseGuiTestDevice(device);
        return false;
    }
    D3DPRESENT_PARAMETERS params = {};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.BackBufferWidth = CANVAS_WIDTH;
    params.BackBufferHeight = CANVAS_HEIGHT;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.hDeviceWindow = device.m_window;
    if (FAILED(device.m_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, device.m_window,
                                          D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device.m_device)))
    {
        ReleaseGuiTestDevice(device);
        return false;
    }
    return true;
}

void ReleaseGuiTestDevice(CGuiTestDevice& device)
{
    ReleaseCom(device.m_device);
    ReleaseCom(device.m_d3d);
    if (device.m_window)
    {
        DestroyWindow(device.m_window);
        device.m_window = nullptr;
    }
}
