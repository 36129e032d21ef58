// Entry point: checks for the D3DX runtime, then runs the one application object.
#include "D3dxRuntime.h"
#include "MainApp.h"

namespace
{
CMainApp s_app;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    if (!CheckD3dxRuntime())
    {
        return 1;
    }
    return s_app.Run(instance);
}
