// CChildView: the child window over the frame's client area that the Direct3D device draws on.
// It draws nothing itself and keeps no state: a paint message asks the frame for a frame, mouse
// and character messages become the frame's input for the next GUI pass, and the keys C, I, Esc
// and F12 change the page or save.
#pragma once

#include "Wnd.h"

class CChildView : public CWnd
{
protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnChar(WPARAM character);
    LRESULT OnMouseMove(LPARAM position);
    LRESULT OnLButtonDown(LPARAM position);
    LRESULT OnLButtonUp(LPARAM position);
};
