// CChildView: the child window over the frame's client area that the Direct3D device draws on.
// It draws nothing itself; a paint message asks the frame for a frame.
#pragma once

#include "Wnd.h"

class CChildView : public CWnd
{
protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
};
