// A hidden window with a windowed Direct3D 9 device on it, as the toolkit's tests and benchmark
// draw on. No GoogleTest here, so the benchmark can use it too.
#pragma once

#include <d3d9.h>

constexpr int CANVAS_WIDTH = 800;
constexpr int CANVAS_HEIGHT = 620; // the canvas plus the 19-pixel origin

struct CGuiTestDevice
{
    HWND m_window = nullptr;
    IDirect3D9* m_d3d = nullptr;
    IDirect3DDevice9* m_device = nullptr;
};

// Creates the window and the device (software vertex processing, X8R8G8B8 back buffer of the
// canvas size, 16-bit depth); false when either fails, with whatever was made released.
bool CreateGuiTestDevice(CGuiTestDevice& device);
void ReleaseGuiTestDevice(CGuiTestDevice& device);
