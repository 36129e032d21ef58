// CMFCMenuBar: loads the menu and attaches it to the frame.
#include "MenuBar.h"

bool CMFCMenuBar::Create(HWND frame, UINT menuId)
{
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    if (!menu)
    {
        return false;
    }
    if (!SetMenu(frame, menu))
    {
        DestroyMenu(menu);
        return false;
    }
    return true;
}
