// CheckD3dxRuntime: loads and frees the DLL once; the delay-load helper loads it again on the first
// call and then keeps it.
#include "D3dxRuntime.h"

#include "ResString.h"
#include "resource.h"

#include <windows.h>

namespace
{
constexpr wchar_t D3DX_DLL[] = L"d3dx9_43.dll";
constexpr wchar_t D3DX_MISSING[] =
    L"找不到 d3dx9_43.dll，Quillmark 无法启动。\n\n"
    L"请安装微软的“DirectX 最终用户运行时”（DirectX End-User Runtime，June 2010 版），"
    L"它提供 d3dx9_43.dll；安装后重新启动 Quillmark。";
} // namespace

bool CheckD3dxRuntime()
{
    HMODULE d3dx = LoadLibraryW(D3DX_DLL);
    if (!d3dx)
    {
        MessageBoxW(nullptr, D3DX_MISSING, LoadResString(IDR_MAINFRAME).c_str(), MB_OK | MB_ICONERROR);
        return false;
    }
    FreeLibrary(d3dx);
    return true;
}
