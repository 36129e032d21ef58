// The main frame driven in-process: creation, the one-time scene set-up on the first show, the
// device's release on destruction, and rendering without a device.
#include "MainFrame.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace
{
// Removes the WM_QUIT that a destroyed frame posts, so that later modal loops are not ended.
void DropQuitMessage()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }
}

class MainFrameTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (m_frame.GetSafeHwnd())
        {
            DestroyWindow(m_frame.GetSafeHwnd());
        }
        DropQuitMessage();
    }

    bool CreateFrame()
    {
        return m_frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr);
    }

    void ShowFrame()
    {
        HWND window = m_frame.GetSafeHwnd();
        m_frame.PlaceAndShow();
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }

    CMainFrame m_frame;
};

TEST_F(MainFrameTest, RendersNothingBeforeTheFirstShow)
{
    ASSERT_TRUE(CreateFrame());
    EXPECT_EQ(m_frame.m_d3d, nullptr);
    EXPECT_EQ(m_frame.m_device, nullptr);
    m_frame.RenderFrame(); // no device: returns at once
    RedrawWindow(m_frame.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(m_frame.m_commonGui.ControlCount(), 0);
}

TEST_F(MainFrameTest, FirstShowSetsUpTheSceneOnce)
{
    ASSERT_TRUE(CreateFrame());
    ShowFrame();
    ASSERT_NE(m_frame.m_device, nullptr);
    IDirect3DDevice9* device = m_frame.m_device;
    ID3DXSprite* sprite = m_frame.m_commonGui.m_sprite;
    const int controls = m_frame.m_commonGui.ControlCount();
    const int fonts = m_frame.m_commonGui.FontCount();
    EXPECT_EQ(controls, 1); // the logo button
    EXPECT_EQ(m_frame.m_commonGui.m_noticeLifetime, 800u);
    for (CRVDXGui* gui :
         {&m_frame.m_commonGui, &m_frame.m_mainPageGui, &m_frame.m_characterPageGui, &m_frame.m_itemsPageGui})
    {
        EXPECT_EQ(gui->m_device, device);
        EXPECT_EQ(gui->m_width, 800);
        EXPECT_EQ(gui->m_height, 600);
        EXPECT_EQ(gui->m_originY, 19);
        EXPECT_NE(gui->m_sprite, nullptr);
        EXPECT_EQ(gui->m_handler, &m_frame);
    }

    HWND window = m_frame.GetSafeHwnd();
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOW);
    SendMessageW(window, WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(m_frame.m_device, device);
    EXPECT_EQ(m_frame.m_commonGui.m_sprite, sprite);
    EXPECT_EQ(m_frame.m_commonGui.ControlCount(), controls);
    EXPECT_EQ(m_frame.m_commonGui.FontCount(), fonts);
    m_frame.RenderFrame();

    DestroyWindow(window);
    EXPECT_EQ(m_frame.m_device, nullptr);
    EXPECT_EQ(m_frame.m_d3d, nullptr);
}

TEST_F(MainFrameTest, ViewFillsTheClientAreaBetweenToolbarAndStatusBar)
{
    ASSERT_TRUE(CreateFrame());
    ShowFrame();
    RECT client, toolbar, status, view;
    GetClientRect(m_frame.GetSafeHwnd(), &client);
    GetWindowRect(m_frame.m_toolBar.GetSafeHwnd(), &toolbar);
    GetWindowRect(m_frame.m_statusBar.GetSafeHwnd(), &status);
    GetWindowRect(m_frame.m_view.GetSafeHwnd(), &view);
    EXPECT_EQ(view.top, toolbar.bottom);
    EXPECT_EQ(view.bottom, status.top);
    EXPECT_EQ(view.right - view.left, client.right);
    RECT canvas;
    GetClientRect(m_frame.m_view.GetSafeHwnd(), &canvas);
    EXPECT_GE(canvas.right, 800) << "the whole canvas fits, drawn 1:1";
    EXPECT_GE(canvas.bottom, 619);
    GetWindowRect(m_frame.GetSafeHwnd(), &client);
    EXPECT_EQ(client.left, 100);
    EXPECT_EQ(client.top, 100);
    EXPECT_EQ(client.right - client.left, 810);
    EXPECT_EQ(GetFocus(), m_frame.m_view.GetSafeHwnd()) << "the frame passes the focus to the view";
}
} // namespace
