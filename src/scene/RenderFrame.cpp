// CMainFrame::RenderFrame: one frame: clear, the current page's GUI pass and 3D item, the common
// layer's pass, present. The character and items pages are drawn only while a save is loaded.
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
    if (!m_device)
    {
        return;
    }
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, CLEAR_COLOR, 1.0f, 0);
    m_device->BeginScene();
    const bool loaded = TheDocument().IsLoaded();
    switch (m_page)
    {
    case 0:
        SetMainPageButtonsDisabled(!loaded);
        ProcessFrame(&m_mainPageGui, m_typedChar, m_leftButton, m_mouseX, m_mouseY);
        m_textEntry = m_mainPageGui.m_textEntry;
        SetupCamera();
        break;
    case 1:
        if (loaded)
        {
            ProcessFrame(&m_characterPageGui, m_typedChar, m_leftButton, m_mouseX, m_mouseY);
            m_textEntry = m_characterPageGui.m_textEntry;
        }
        break;
    case 2:
        if (loaded)
        {
            ProcessFrame(&m_itemsPageGui, m_typedChar, m_leftButton, m_mouseX, m_mouseY);
            m_textEntry = m_itemsPageGui.m_textEntry;
            D3DXMATRIX world;
            D3DXMatrixRotationX(&world, static_cast<float>(GuiTickCount() / 1000.0));
            m_device->SetTransform(D3DTS_WORLD, &world);
        }
        break;
    }
    ProcessFrame(&m_commonGui, m_typedChar, m_leftButton, m_mouseX, m_mouseY);
    m_device->EndScene();
    PresentFrame();
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
