// CMainFrame: the main frame window and the hub of the program: the framework panes and the view,
// the Direct3D device and camera, the page and the four GUI containers, and the input the view
// writes for the GUI pass. Creation and destruction are in MainFrame.cpp; the device, the frame
// routine and the scene messages in src/scene.
#pragma once

#include "ChildView.h"
#include "FrameWndEx.h"
#include "Gui.h"
#include "MenuBar.h"
#include "StatusBar.h"
#include "ToolBar.h"

#include <d3d9.h>
#include <d3dx9math.h>
#include <string>

class CMainFrame : public CFrameWndEx, public IGuiEventHandler
{
public:
    CMainFrame();
    ~CMainFrame() override;

    // Renders and presents one frame; does nothing without a device.
    void RenderFrame();

    void OnGuiEvent(int id, int event, CRVDXGUIControl& control) override;

    // Framework panes and the view.
    CMFCMenuBar m_menuBar;
    CMFCToolBar m_toolBar;
    CMFCStatusBar m_statusBar;
    CChildView m_view;

    // Scene and screen.
    int m_page = 0;              // 0 main page, 1 character page, 2 items page
    IDirect3D9* m_d3d = nullptr; // null also means: the scene is not set up yet
    IDirect3DDevice9* m_device = nullptr;
    D3DXMATRIX m_viewMatrix;
    CRVDXGui m_commonGui;
    CRVDXGui m_mainPageGui;
    CRVDXGui m_characterPageGui;
    CRVDXGui m_itemsPageGui;
    bool m_textEntry = false;
    CRVDXGUIControl* m_saveButton = nullptr;
    CRVDXGUIControl* m_saveAsButton = nullptr;
    CRVDXGUIControl* m_editCharacterButton = nullptr;
    CRVDXGUIControl* m_editItemsButton = nullptr;

    // Where presenting cannot reach the screen (Wine), frames are copied to the view through this.
    IDirect3DSurface9* m_presentCopy = nullptr;

    // Input written by the view, read by the next GUI pass.
    int m_leftButton = 0;
    int m_mouseX = 0;
    int m_mouseY = 0;
    wchar_t m_typedChar = 0;

protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCTW& cs) override;
    void OnSetFocus(HWND previous) override;
    void RecalcLayout() override;
    LRESULT OnNotify(NMHDR& header) override;
    bool OnCmdMsg(UINT id) override;
    bool OnCommand(UINT id) override;

private:
    bool OnViewCustomize();
    // Says in the status bar's message pane why the window shows nothing of its own.
    void ShowStatusMessage(const std::wstring& text);

    // Device, camera and frame loop (src/scene).
    void InitDirect3D();
    void InitScene();
    void SetupCamera();
    void PrepareContainer(CRVDXGui& gui);
    void BuildCommonLayer();
    void SetMainPageButtonsDisabled(bool disabled);
    void CreatePresentCopy();
    void PresentFrame();
    void DrawPresentCopy();
    void SetUpScene();
    LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor();
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
};
