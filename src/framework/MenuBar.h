// CMFCMenuBar: the frame's menu bar, a plain Win32 menu loaded from a menu resource.
// The frame window destroys the menu when it is destroyed, so the bar holds no handle of its own.
#pragma once

#include <windows.h>

class CMFCMenuBar
{
public:
    bool Create(HWND frame, UINT menuId);
};
