// CMainFrame::RenderFrame: one frame: clear, the current page's GUI pass and 3D item, the common
// layer's pass, present; then the input the frame has seen is done with. The character and items
// pages are drawn only while a save is loaded.
#include "MainFrame.h"

#include "GuiFrame.h"
#include "Clock.h"
#include "TheDocument.h"

namespace
{
constexpr D3DCOLOR CLEAR_COLOR = 0xFF00FFFF;
}

void CMainFrame::RenderFrame()
{
    // A command's modal dialog or message box runs its own message loop inside this frame's GUI
    // pass; the frames its paint messages ask for are skipped, not nested in this one's scene.
    if (!m_device || m_inFrame)
    {
        return;
    }
    m_inFrame = true;
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, CLEAR_COLOR, 1.0f, 0);
    m_device->BeginScene();
    const bool loaded = TheDocument().IsLoaded();
    switch (m_page)
    {
    case 0:
        SetMainPageButtonsDisabled(!loaded);
        ProcessFrame(&m_mainPageGui, m_typedText, m_leftButton, m_mouseX, m_mouseY);
        m_textEntry = m_mainPageGui.m_textEntry;
        DrawTitle();
        break;
    case 1:
        if (loaded)
        {
            ProcessFrame(&m_characterPageGui, m_typedText, m_leftButton, m_mouseX, m_mouseY);
            m_textEntry = m_characterPageGui.m_textEntry;
        }
        break;
    case 2:
        if (loaded)
        {
            ProcessFrame(&m_itemsPageGui, m_typedText, m_leftButton, m_mouseX, m_mouseY);
            m_textEntry = m_itemsPageGui.m_textEntry;
            D3DXMATRIX world;
            D3DXMatrixRotationX(&world, static_cast<float>(GuiTickCount() / 1000.0));
            m_device->SetTransform(D3DTS_WORLD, &world);
            DrawModel(m_model);
        }
        break;
    }
    ProcessFrame(&m_commonGui, m_typedText, m_leftButton, m_mouseX, m_mouseY);
    m_device->EndScene();
    PresentFrame();
    EndFrameInput();
    m_inFrame = false;
}

// Characters no focused box took are dropped, so they never turn up later in another box; a
// release that came before any frame saw its press is applied now that one has.
void CMainFrame::EndFrameInput()
{
    m_typedText.clear();
    if (m_releasePending)
    {
        m_releasePending = false;
        m_leftButton = BUTTON_UP;
    }
}

void CMainFrame::SetMainPageButtonsDisabled(bool disabled)
{
    for (CRVDXGUIControl* button : {m_saveButton, m_saveAsButton, m_editCharacterButton, m_editItemsButton})
    {
        if (button)
        {
            button->m_disabled = disabled;
        }
    }
}
