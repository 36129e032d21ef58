// The list box of the items page: cell layout under scrolling, cell selection, dragging and
// clamping the thumb, and jumping by a click on the track.
#include "GuiFixture.h"

namespace
{
class ListBoxTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        const RECT box = {551, 42, 767, 520};
        const RECT cell = {0, 0, 70, 70};
        const RECT track = {985, 15, 1005, 685};
        const RECT thumb = {955, 120, 965, 440};
        m_gui.AddListBox(box, cell, track, thumb, &m_box);
        ASSERT_NE(m_box, nullptr);
        for (int i = 0; i < 75; ++i)
        {
            m_box->AddListItem();
        }
    }

    // One frame; the button state is written only when the step changes it, as the window does.
    void Step(int x, int y, int button)
    {
        if (button != m_written)
        {
            m_leftButton = button;
            m_written = button;
        }
        RunFrame(x, y, m_leftButton);
    }

    CRVDXGUIListBox* m_box = nullptr;
    int m_written = BUTTON_UP;
};

// Canvas geometry with the origin (0, 19): box (551, 61, 767, 539), track (769, 69, 783, 529),
// thumb (774, 74, 779, 164) at the top.
constexpr int BOX_TOP = 61;
constexpr int THUMB_X = 776;

TEST_F(ListBoxTest, BuilderLaysOutTheBoxBarAndCells)
{
    EXPECT_EQ(m_box->m_id, 101);
    EXPECT_EQ(m_box->m_type, GUI_TYPE_LISTBOX);
    EXPECT_TRUE(m_box->m_option);
    EXPECT_EQ(m_box->m_trackRect.left, 769);
    EXPECT_EQ(m_box->m_trackRect.bottom, 529);
    EXPECT_EQ(m_box->m_thumbRect.left, 774);
    EXPECT_EQ(m_box->m_thumbRect.top, 74);
    EXPECT_EQ(m_box->m_thumbRect.bottom, 164);
    EXPECT_FLOAT_EQ(m_box->m_trackScale[0], 14.0f / 20.0f);
    EXPECT_FLOAT_EQ(m_box->m_trackScale[1], 460.0f / 670.0f);
    EXPECT_FLOAT_EQ(m_box->m_thumbScale[1], 90.0f / 320.0f);
    ASSERT_EQ(m_box->m_items.size(), 75u);
    const CRVDXGUIListBoxItem& fifth = m_box->m_items[4];
    EXPECT_EQ(fifth.m_rect.left, 551 + 72);
    EXPECT_EQ(fifth.m_rect.top, BOX_TOP + 70);
    EXPECT_EQ(fifth.m_rect.right, 551 + 144);
    EXPECT_EQ(m_box->m_items[74].m_rect.top, BOX_TOP + 24 * 70);
}

TEST_F(ListBoxTest, ScrollPositionMovesTheCells)
{
    const struct
    {
        int position;
        int firstTop;     // top of cell 0 after a pass
        int firstVisible; // first visible cell
        int lastVisible;  // last visible cell
    } cases[] = {
        {0, BOX_TOP, 0, 20},           // rows 0..6; row 7 starts below the box
        {370, BOX_TOP - 1290, 54, 74}, // range = 25 rows x 70 - 460 = 1290; row 18 half hidden
        {37, BOX_TOP - 129, 3, 26},    // row 0 hidden, row 1 half hidden at the top
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.position);
        for (CRVDXGUIListBoxItem& item : m_box->m_items)
        {
            item.m_visible = false;
        }
        m_box->ScrollTo(row.position);
        EXPECT_EQ(m_box->ThumbPosition(), row.position);
        Step(0, 0, BUTTON_UP);
        EXPECT_EQ(m_box->m_items[0].m_rect.top, row.firstTop);
        int first = -1;
        int last = -1;
        for (const CRVDXGUIListBoxItem& item : m_box->m_items)
        {
            if (item.m_visible)
            {
                first = first < 0 ? item.m_index : first;
                last = item.m_index;
            }
        }
        EXPECT_EQ(first, row.firstVisible);
        EXPECT_EQ(last, row.lastVisible);
    }
    // At the bottom the last row ends a track length below the visible top.
    m_box->ScrollTo(370);
    Step(0, 0, BUTTON_UP);
    EXPECT_EQ(m_box->m_items[74].m_rect.bottom, BOX_TOP + 460);
}

TEST_F(ListBoxTest, PressingACellSelectsItOncePerPress)
{
    const int x = 551 + 72 + 36; // cell 4: second column, second row
    const int y = BOX_TOP + 70 + 35;
    Step(x, y, BUTTON_PRESSED);
    EXPECT_EQ(m_box->m_selected, 4);
    Step(x, y, BUTTON_PRESSED); // the second pass that sees the press
    Step(x, y, BUTTON_PRESSED); // held by now
    Step(x, y, BUTTON_UP);
    Step(x + 72, y, BUTTON_PRESSED); // cell 5
    EXPECT_EQ(m_handler.EventsOf(m_box), (std::vector<int>{GUI_EVENT_SELECT, GUI_EVENT_PRESS, GUI_EVENT_HOVER,
                                                           GUI_EVENT_HOVER, GUI_EVENT_SELECT}));
    EXPECT_EQ(m_box->m_selected, 5);
    for (const GuiEventRecord& record : m_handler.m_events)
    {
        EXPECT_EQ(record.id, 101);
    }
}

TEST_F(ListBoxTest, DraggingTheThumbFollowsThePointerWithinTheTrack)
{
    // Grabbed 26 pixels below the thumb's top at position 0, so the grab is y - 0 = 100.
    Step(THUMB_X, 100, BUTTON_PRESSED);
    Step(THUMB_X, 100, BUTTON_PRESSED);
    ASSERT_TRUE(m_box->m_dragging);
    const struct
    {
        int y;
        int position;
        int thumbBottom;
    } moves[] = {{300, 200, 364}, {1000, 370, 534}, {-500, 0, 164}, {150, 50, 214}};
    for (const auto& move : moves)
    {
        SCOPED_TRACE(move.y);
        Step(200, move.y, BUTTON_PRESSED); // far outside the box: the drag goes on
        EXPECT_EQ(m_box->ThumbPosition(), move.position);
        EXPECT_EQ(m_box->m_thumbRect.bottom, move.thumbBottom); // 534: 5 pixels below the track's end
    }
    Step(200, 150, BUTTON_UP);
    EXPECT_FALSE(m_box->m_dragging);
    Step(200, 400, BUTTON_UP);
    EXPECT_EQ(m_box->ThumbPosition(), 50);
}

TEST_F(ListBoxTest, ClickOnTheTrackMovesTheThumbThere)
{
    const struct
    {
        const char* name;
        std::vector<POINT> held; // pointer positions while the button is down
        POINT release;
        int position;
    } cases[] = {
        {"press and release below the thumb", {{THUMB_X, 400}}, {THUMB_X, 400}, 400 - 69 - 5},
        {"release lower down the track", {{THUMB_X, 250}}, {THUMB_X, 300}, 300 - 74},
        {"release near the end is clamped", {{THUMB_X, 520}}, {THUMB_X, 527}, 370},
        {"moved off the track before the release", {{THUMB_X, 400}, {700, 400}}, {700, 400}, 0},
        {"moved off and back", {{THUMB_X, 400}, {790, 400}, {THUMB_X, 400}}, {THUMB_X, 400}, 0},
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.name);
        m_box->ScrollTo(0);
        for (const POINT& point : row.held)
        {
            Step(point.x, point.y, BUTTON_PRESSED);
            Step(point.x, point.y, BUTTON_PRESSED);
        }
        Step(row.release.x, row.release.y, BUTTON_UP);
        EXPECT_EQ(m_box->ThumbPosition(), row.position);
        EXPECT_FALSE(m_box->m_trackPressed);
    }
}

TEST_F(ListBoxTest, ScrollToClampsToTheTrack)
{
    const struct
    {
        int asked;
        int position;
    } cases[] = {{-5, 0}, {INT32_MIN, 0}, {0, 0}, {123, 123}, {370, 370}, {371, 370}, {INT32_MAX, 370}};
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.asked);
        m_box->ScrollTo(row.asked);
        EXPECT_EQ(m_box->ThumbPosition(), row.position);
        EXPECT_EQ(m_box->m_thumbRect.bottom - m_box->m_thumbRect.top, 90);
    }
}
} // namespace
