// A sample container rendered on the device and read back: the background, the atlas looks and
// Chinese text reach the screen, the looks follow the pointer, and disabled text takes its colour.
#include "GuiFixture.h"

#include "ImageIds.h"

#include <cstdlib>

namespace
{
constexpr D3DCOLOR CLEAR = 0xFFFF00FF; // a colour no image uses
constexpr D3DCOLOR LABEL_COLOR = 0xFF192541;
constexpr D3DCOLOR DISABLED_COLOR = 0xFFF6D816;

class ScreenTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_gui.SetBackground(IDR_CHARACTER_PAGE);
        m_gui.AddFont(L"楷体", 40, m_bigFont);
        m_gui.AddFont(L"无此楷体字体", 40, m_fallbackFont);
        m_gui.AddLabel(0, L"属性", RECT{40, 100, 240, 150}, LABEL_COLOR, m_bigFont, 0, DISABLED_COLOR, false,
                       &m_label);
        const RECT normal = {330, 115, 565, 195};
        const RECT pressed = {330, 15, 565, 95};
        m_gui.AddButton(IDR_ATLAS, &normal, 13, L"完成", RECT{600, 500, 750, 560}, 0, &pressed, 0, 0xFF090807,
                        0xFF187F11, m_bigFont);
        m_button = m_gui.m_controls.back().get();
        const RECT unchecked = {650, 135, 680, 180};
        const RECT checked = {682, 135, 712, 180};
        m_gui.AddStyle(IDR_ATLAS, 30, 45, &unchecked, &checked, m_gui.m_checkBoxStyle);
        m_gui.AddCheckBox(0, RECT{300, 300, 500, 345});
        m_checkBox = m_gui.m_controls.back().get();
    }

    int CountChanged(const std::vector<D3DCOLOR>& before, const RECT& area) const
    {
        int changed = 0;
        for (int y = area.top; y < area.bottom; ++y)
        {
            for (int x = area.left; x < area.right; ++x)
            {
                changed += before[y * CANVAS_WIDTH + x] != PixelAt(x, y);
            }
        }
        return changed;
    }

    int CountNear(const RECT& area, D3DCOLOR color) const
    {
        int matches = 0;
        for (int y = area.top; y < area.bottom; ++y)
        {
            for (int x = area.left; x < area.right; ++x)
            {
                const D3DCOLOR pixel = PixelAt(x, y);
                bool close = true;
                for (int shift = 0; shift < 24; shift += 8)
                {
                    close =
                        close && std::abs(int((pixel >> shift) & 0xFF) - int((color >> shift) & 0xFF)) <= 24;
                }
                matches += close;
            }
        }
        return matches;
    }

    int m_bigFont = -1;
    int m_fallbackFont = -1;
    CRVDXGUIControl* m_label = nullptr;
    CRVDXGUIControl* m_button = nullptr;
    CRVDXGUIControl* m_checkBox = nullptr;
};

const RECT LABEL_AREA = {40, 119, 240, 169};
const RECT BUTTON_AREA = {600, 519, 750, 579};
const RECT BOX_AREA = {300, 319, 330, 364};

TEST_F(ScreenTest, BackgroundCoversTheCanvasBelowTheOrigin)
{
    RenderAndCapture(0, 0, CLEAR);
    EXPECT_EQ(PixelAt(400, 5), CLEAR); // above the origin: the cleared buffer
    for (POINT point : {POINT{2, 21}, POINT{400, 300}, POINT{797, 617}, POINT{50, 600}})
    {
        SCOPED_TRACE(testing::Message() << point.x << ", " << point.y);
        EXPECT_NE(PixelAt(point.x, point.y), CLEAR);
    }
}

TEST_F(ScreenTest, TextAndAtlasLooksReachTheScreen)
{
    m_label->m_text.clear();
    m_button->m_text.clear();
    m_checkBox->m_text.clear();
    m_gui.m_controls[1]->m_quad = -1; // no button look
    RenderAndCapture(0, 0, CLEAR);
    const std::vector<D3DCOLOR> bare = m_capture;

    m_label->m_text = L"属性";
    m_gui.m_controls[1]->m_quad = 0;
    RenderAndCapture(0, 0, CLEAR);
    EXPECT_GT(CountChanged(bare, LABEL_AREA), 200);
    EXPECT_GT(CountNear(LABEL_AREA, LABEL_COLOR), 15); // solid strokes in the label's colour
    EXPECT_GT(CountChanged(bare, BUTTON_AREA), 150 * 60 / 2);
    const std::vector<D3DCOLOR> normal = m_capture;

    // Pressed over the button: the pressed rectangle of the atlas is drawn instead.
    m_leftButton = BUTTON_HELD;
    RenderAndCapture(675, 549, CLEAR);
    EXPECT_GT(CountChanged(normal, BUTTON_AREA), 150 * 60 / 4);
    m_leftButton = BUTTON_UP;

    // Checked and unchecked boxes differ.
    RenderAndCapture(0, 0, CLEAR);
    const std::vector<D3DCOLOR> unchecked = m_capture;
    m_checkBox->m_option = true;
    RenderAndCapture(0, 0, CLEAR);
    EXPECT_GT(CountChanged(unchecked, BOX_AREA), 30);
}

TEST_F(ScreenTest, DisabledLabelIsDrawnInItsDisabledColour)
{
    m_label->m_disabled = true;
    RenderAndCapture(100, 140, CLEAR);
    EXPECT_GT(CountNear(LABEL_AREA, DISABLED_COLOR), 15);
    EXPECT_EQ(CountNear(LABEL_AREA, LABEL_COLOR), 0);
}

TEST_F(ScreenTest, MissingFaceStillDrawsRealChineseGlyphs)
{
    // Empty boxes would draw the same shape for every character: two characters must differ.
    m_label->m_font = m_fallbackFont;
    m_label->m_text.clear();
    RenderAndCapture(0, 0, CLEAR);
    const std::vector<D3DCOLOR> bare = m_capture;
    m_label->m_text = L"楷";
    RenderAndCapture(0, 0, CLEAR);
    const std::vector<D3DCOLOR> first = m_capture;
    EXPECT_GT(CountChanged(bare, LABEL_AREA), 100);
    m_label->m_text = L"体";
    RenderAndCapture(0, 0, CLEAR);
    EXPECT_GT(CountChanged(first, LABEL_AREA), 100);
}
TEST_F(ScreenTest, ListBoxCellsAreClippedToTheBox)
{
    RenderAndCapture(0, 0, CLEAR);
    const std::vector<D3DCOLOR> bare = m_capture;
    CRVDXGUIListBox* box = nullptr;
    m_gui.AddListBox(RECT{551, 42, 767, 520}, RECT{0, 0, 70, 70}, RECT{985, 15, 1005, 685},
                     RECT{955, 120, 965, 440}, &box);
    for (int i = 0; i < 75; ++i)
    {
        box->AddListItem();
    }
    // Scrolled so that the first row shows only its lowest 2 pixels at the box's top (y 61).
    box->ScrollTo(37);
    RenderAndCapture(0, 0, CLEAR);
    EXPECT_EQ(CountChanged(bare, RECT{551, 19, 767, 61}), 0);   // nothing above the visible top
    EXPECT_EQ(CountChanged(bare, RECT{551, 539, 767, 619}), 0); // nothing below the box
    EXPECT_GT(CountChanged(bare, RECT{551, 61, 767, 63}), 100); // the visible part of row 0
    EXPECT_GT(CountChanged(bare, RECT{551, 63, 767, 539}), 216 * 476 / 4);
    EXPECT_GT(CountChanged(bare, RECT{769, 69, 783, 529}), 14 * 460 / 2); // the scroll track
}
} // namespace
