// CMainFrame: the main frame window and the hub of the program: the framework panes and the view,
// the Direct3D device and camera, the page and the four GUI containers, and the input the view
// writes for the GUI pass. Creation and destruction are in MainFrame.cpp; the device, the frame
// routine and the scene messages in src/scene; the editor screen (layout, data exchange,
// commands and the save document's reports) in src/editor.
#pragma once

#include "ChildView.h"
#include "FrameWndEx.h"
#include "Gui.h"
#include "MenuBar.h"
#include "ObjMesh.h"
#include "SaveHost.h"
#include "StatusBar.h"
#include "ToolBar.h"

#include <d3d9.h>
#include <d3dx9math.h>

#include <array>
#include <string>

class CMainFrame : public CFrameWndEx, public IGuiEventHandler, public ISaveScreen
{
public:
    CMainFrame();
    ~CMainFrame() override;

    // Sizes the frame for the whole canvas at its start position and shows it (FramePlacement.cpp).
    void PlaceAndShow();
    // Renders and presents one frame; does nothing without a device.
    void RenderFrame();

    // Editor screen (src/editor).
    void BuildScreen();
    // Moves every editable value between the controls and the document: collect (true) or show.
    void ExchangeCharacter(bool collect);
    // Changes to page 0, 1 or 2, collecting the edits first; nothing when already there.
    void GoToPage(int page);
    void OnGuiEvent(int id, int event, CRVDXGUIControl& control) override;
    void OnCharacterListReset() override;
    void OnCharacterLocated(int position, CCharacterRecord& record) override;
    void OnSaveLoaded() override;
    void OnBeforeSave() override;
    void OnSaveWritten() override;

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
    ID3DXMesh* m_titleMesh = nullptr; // the extruded "Quillmark"; null when it could not be made
    D3DXMATRIX m_titleCentre;         // moves the title left by half its width
    D3DMATERIAL9 m_titleMaterial{};   // bronze; left in the device for the model too
    CObjMesh m_model;                 // the items page's turning model
    CRVDXGui m_commonGui;
    CRVDXGui m_mainPageGui;
    CRVDXGui m_characterPageGui;
    CRVDXGui m_itemsPageGui;
    bool m_textEntry = false;
    CRVDXGUIControl* m_saveButton = nullptr;
    CRVDXGUIControl* m_saveAsButton = nullptr;
    CRVDXGUIControl* m_editCharacterButton = nullptr;
    CRVDXGUIControl* m_editItemsButton = nullptr;
    std::array<CRVDXGUIControl*, 16> m_characterItems{}; // list label of the player (0) and companion i
    CRVDXGUIListBox* m_itemGrid = nullptr;
    int m_listFont = -1; // the character list's font, added by each load

    // Where presenting cannot reach the screen (Wine), the device renders into a hidden window and
    // frames are copied to the view through m_presentCopy.
    HWND m_deviceWindow = nullptr;
    IDirect3DSurface9* m_presentCopy = nullptr;

    // Input written by the view, read by the next GUI pass. A button released before any frame
    // saw the press stays pressed for one frame (m_releasePending), so that the click still
    // counts; what is typed waits in m_typedText until the end of the next frame.
    int m_leftButton = 0;
    bool m_releasePending = false;
    int m_mouseX = 0;
    int m_mouseY = 0;
    std::wstring m_typedText;

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

    // Editor screen (src/editor).
    void PrepareContainer(CRVDXGui& gui);
    void BuildCommonLayer();
    void BuildMainPage();
    void BuildCharacterPage();
    void BuildItemsPage();
    void SelectCharacter(CRVDXGUIControl& label);

    // Device, camera and frame loop (src/scene).
    void InitDirect3D();
    void InitScene();
    void SetupCamera();
    void InitTitle();
    void DrawTitle();
    void DrawModel(CObjMesh& model);
    void SetMainPageButtonsDisabled(bool disabled);
    void EndFrameInput();
    HWND CreateDeviceWindow();
    void DestroyDeviceWindow();
    void CreatePresentCopy();
    void PresentFrame();
    void DrawPresentCopy();
    void SetUpScene();
    LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor();
    LRESULT OnDropFiles(WPARAM wParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    bool m_inFrame = false; // a frame is being rendered (a command's modal dialog may ask for another)
};
