// EditorTest: the shown main frame, the document wired to it, frames and view messages.
#include "EditorFixture.h"

#include "resource.h"

void EditorTest::SetUp()
{
    m_app.m_pMainWnd = &m_frame;
    CSaveDocument& document = TheDocument();
    document.m_host = &m_host;
    document.m_path.clear();
    document.m_current = &document.m_player;
    ASSERT_TRUE(m_frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr));
    m_frame.PlaceAndShow();
    ASSERT_NE(m_frame.m_device, nullptr) << "the editor tests need a Direct3D device";
    ASSERT_EQ(document.m_screen, &m_frame);
}

void EditorTest::TearDown()
{
    if (m_frame.GetSafeHwnd())
    {
        DestroyWindow(m_frame.GetSafeHwnd());
    }
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
    {
    }
    TheDocument().m_host = nullptr;
    m_app.m_pMainWnd = nullptr;
}

CFixtureSave EditorTest::LoadFixture(const CFixtureOptions& options, const std::u8string& name)
{
    CFixtureSave save = BuildFixtureSave(options);
    m_path = m_folder / name;
    WriteBytes(m_path, save.m_bytes);
    EXPECT_TRUE(TheDocument().LoadSaveFile(m_path));
    return save;
}

void EditorTest::RunFrames(int count)
{
    for (int frame = 0; frame < count; ++frame)
    {
        m_frame.RenderFrame();
    }
}

void EditorTest::SendToView(UINT message, WPARAM wParam, LPARAM lParam)
{
    SendMessageW(m_frame.m_view.GetSafeHwnd(), message, wParam, lParam);
}

void EditorTest::ClickAt(int x, int y)
{
    const LPARAM position = MAKELPARAM(x, y + 19);
    SendToView(WM_MOUSEMOVE, 0, position);
    RunFrames();
    SendToView(WM_LBUTTONDOWN, MK_LBUTTON, position);
    RunFrames();
    SendToView(WM_LBUTTONUP, 0, position);
    RunFrames();
}

void EditorTest::ClickControl(const CRVDXGUIControl& control)
{
    ClickAt((control.m_rect.left + control.m_rect.right) / 2, (control.m_rect.top + control.m_rect.bottom) / 2 - 19);
}
