// CFrameWndEx: the main frame window: loads its accelerators and title from one resource id,
// routes commands (the frame's own, then the application's), closes on the exit command and ends
// the message loop when it is destroyed. The panes and the view belong to the derived frame.
#pragma once

#include "Wnd.h"

class CFrameWndEx : public CWnd
{
public:
    // Creates the frame with the accelerators and the title (string) of resourceId; the menu bar
    // loads the menu of that id.
    bool LoadFrame(UINT resourceId, DWORD style, HWND parent);
    // Translates the frame's accelerator keys; true when the message was used.
    bool PreTranslateMessage(MSG& message);

    bool OnCmdMsg(UINT id) override;

protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual int OnCreate(CREATESTRUCTW&) { return 0; }
    virtual void OnSetFocus(HWND) {}
    // Places the panes and the view after a size change.
    virtual void RecalcLayout() {}
    // Notifications of the panes (tooltips, toolbar customisation).
    virtual LRESULT OnNotify(NMHDR& header);

    // Puts the top pane at the top of the client area, the bottom pane at the bottom, and the view
    // over the rest.
    void ArrangeClientArea(HWND topPane, HWND bottomPane, HWND view);

private:
    LRESULT OnCreateMessage(LPARAM lParam);
    LRESULT OnCommandMessage(WPARAM wParam);
    LRESULT OnSizeMessage();
    LRESULT OnNcDestroy();

    HACCEL m_accelerators = nullptr; // resource table: freed with the module
};
