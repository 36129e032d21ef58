// CMainFrame::InitScene and the set-up of the GUI containers: each gets the device, the 800 x 600
// canvas at origin (0, 19), a sprite and this frame as its event handler; the common layer gets
// the logo button and the notice font. Without a device there is nothing to set up.
#include "MainFrame.h"

#include "ImageIds.h"

#include <d3dx9core.h>

namespace
{
constexpr int CANVAS_WIDTH = 800;
constexpr int CANVAS_HEIGHT = 600;
constexpr int CANVAS_ORIGIN_X = 0;
constexpr int CANVAS_ORIGIN_Y = 19;

constexpr int LOGO_BUTTON_ID = 11;
constexpr RECT LOGO_BUTTON_RECT{695, 15, 783, 48};
constexpr DWORD NOTICE_LIFETIME_MS = 800;
} // namespace

void CMainFrame::InitScene()
{
    if (!m_device)
    {
        return;
    }
    PrepareContainer(m_commonGui);
    BuildCommonLayer();
    PrepareContainer(m_mainPageGui);
    PrepareContainer(m_characterPageGui);
    PrepareContainer(m_itemsPageGui);
}

void CMainFrame::PrepareContainer(CRVDXGui& gui)
{
    gui.m_device = m_device;
    gui.m_width = CANVAS_WIDTH;
    gui.m_height = CANVAS_HEIGHT;
    gui.m_originX = CANVAS_ORIGIN_X;
    gui.m_originY = CANVAS_ORIGIN_Y;
    D3DXCreateSprite(m_device, &gui.m_sprite); // released by the container's ReleaseAll
    gui.m_handler = this;
}

void CMainFrame::BuildCommonLayer()
{
    m_commonGui.AddButton(IDR_LOGO_NORMAL, nullptr, LOGO_BUTTON_ID, nullptr, LOGO_BUTTON_RECT,
                          IDR_LOGO_PRESSED, nullptr, IDR_LOGO_HOVER, 0, 0, -1);
    m_commonGui.AddFont(L"楷体", 18, m_commonGui.m_noticeFont);
    m_commonGui.m_noticeLifetime = NOTICE_LIFETIME_MS;
}
