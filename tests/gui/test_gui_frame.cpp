// The per-frame pass as a user feels it: the click rule, disabled labels, edit focus and typing,
// the check box, the ageing of the button state and the floating notices.
#include "GuiFixture.h"

namespace
{
struct Step
{
    int x;
    int y;
    int button; // written into the button state before the frame, like the window does
};

class FrameTest : public GuiTest
{
public:
    void SetUp() override
    {
        GuiTest::SetUp();
        m_gui.AddFont(L"楷体", 18, m_font);
        ASSERT_EQ(m_gui.FontCount(), 1);
    }

    // Runs the steps, one frame each; the window only writes the state when it changes, so a
    // state promoted by the pass stays promoted while the step asks for the button to stay down.
    void RunSteps(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
        {
            if (step.button != m_written)
            {
                m_leftButton = step.button;
                m_written = step.button;
            }
            RunFrame(step.x, step.y, m_leftButton);
        }
    }

    CRVDXGUIControl* AddTestLabel(const RECT& rect)
    {
        CRVDXGUIControl* label = nullptr;
        m_gui.AddLabel(40, L"标签", rect, 0xFF401F0D, m_font, 0xFFF6D816, 0xFF736648, true, &label);
        return label;
    }

    CRVDXGUIControl* AddTestButton(const RECT& rect)
    {
        m_gui.AddButton(315, nullptr, 41, L"完成", rect, 0, nullptr, 0, 0xFF090807, 0xFF187F11, -1);
        return m_gui.m_controls.back().get();
    }

    CRVDXGUIControl* AddTestCheckBox(const RECT& rect)
    {
        const RECT unchecked = {650, 135, 680, 180};
        const RECT checked = {682, 135, 712, 180};
        m_gui.AddStyle(312, 30, 45, &unchecked, &checked, m_gui.m_checkBoxStyle);
        m_gui.AddCheckBox(-1, rect);
        return m_gui.m_controls.back().get();
    }

    int m_font = -1;
    int m_written = BUTTON_UP; // the state the window last wrote
};

// Rectangles are relative to the origin (0, 19): the label covers canvas x 100..200, y 119..149.
const RECT CONTROL_RECT = {100, 100, 200, 130};
constexpr int INSIDE_X = 150;
constexpr int INSIDE_Y = 134;
constexpr int OUTSIDE_X = 400;

struct ClickCase
{
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

const std::vector<ClickCase> CLICK_CASES = {
    {"press and release over it", {{INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}}, 1},
    {"press, hold and release over it",
     {{INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}},
     1},
    {"leave while held, release elsewhere",
     {{INSIDE_X, INSIDE_Y, 1}, {OUTSIDE_X, INSIDE_Y, 1}, {OUTSIDE_X, INSIDE_Y, 0}},
     0},
    {"leave while held, come back, release over it",
     {{INSIDE_X, INSIDE_Y, 1}, {OUTSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}},
     0},
    {"press elsewhere, release over it",
     {{OUTSIDE_X, INSIDE_Y, 1}, {OUTSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}},
     0},
    {"press and release on the left edge", {{100, INSIDE_Y, 1}, {100, INSIDE_Y, 0}}, 0},
    {"press and release on the bottom edge", {{INSIDE_X, 149, 1}, {INSIDE_X, 149, 0}}, 0},
    {"two clicks",
     {{INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}},
     2},
};

TEST_F(FrameTest, ClickRuleForLabelsButtonsAndCheckBoxes)
{
    using Builder = CRVDXGUIControl* (FrameTest::*)(const RECT&);
    const struct
    {
        const char* kind;
        Builder build;
    } kinds[] = {{"label", &FrameTest::AddTestLabel},
                 {"button", &FrameTest::AddTestButton},
                 {"check box", &FrameTest::AddTestCheckBox}};
    for (const auto& kind : kinds)
    {
        for (const ClickCase& row : CLICK_CASES)
        {
            SCOPED_TRACE(testing::Message() << kind.kind << ": " << row.name);
            m_gui.ReleaseAll();
            m_handler.m_events.clear();
            m_gui.AddFont(L"楷体", 18, m_font);
            CRVDXGUIControl* control = (this->*kind.build)(CONTROL_RECT);
            ASSERT_NE(control, nullptr);
            const bool checked = control->m_option;
            RunSteps(row.steps);
            const std::vector<int> events = m_handler.EventsOf(control);
            ASSERT_EQ(events.size(), row.steps.size()); // reported once per pass
            EXPECT_EQ(std::count(events.begin(), events.end(), GUI_EVENT_CLICK), row.clicks);
            EXPECT_FALSE(control->m_pressed);
            if (control->m_type == GUI_TYPE_CHECKBOX)
            {
                EXPECT_EQ(control->m_option, row.clicks % 2 == 1 ? !checked : checked);
            }
        }
    }
}

TEST_F(FrameTest, ReportsPressOnTheFrameOfThePressAndClickOnTheFrameOfTheRelease)
{
    CRVDXGUIControl* button = AddTestButton(CONTROL_RECT);
    RunSteps({{OUTSIDE_X, INSIDE_Y, 0},
              {INSIDE_X, INSIDE_Y, 0},
              {INSIDE_X, INSIDE_Y, 1},
              {INSIDE_X, INSIDE_Y, 0}});
    EXPECT_EQ(m_handler.EventsOf(button),
              (std::vector<int>{GUI_EVENT_NONE, GUI_EVENT_HOVER, GUI_EVENT_PRESS, GUI_EVENT_CLICK}));
    for (const GuiEventRecord& record : m_handler.m_events)
    {
        EXPECT_EQ(record.id, 41);
    }
}

TEST_F(FrameTest, DisabledLabelNeverClicksAndKeepsItsPressState)
{
    CRVDXGUIControl* label = AddTestLabel(CONTROL_RECT);
    label->m_disabled = true;
    RunSteps(
        {{INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 1}, {INSIDE_X, INSIDE_Y, 0}});
    // Two passes see the press (one container per frame), then the held button, then the release.
    EXPECT_EQ(m_handler.EventsOf(label),
              (std::vector<int>{GUI_EVENT_PRESS, GUI_EVENT_PRESS, GUI_EVENT_HOVER, GUI_EVENT_HOVER}));
    EXPECT_FALSE(label->m_pressed);

    // Enabled again after a press began while disabled: the release is no click either, since the
    // disabled label never recorded the press.
    RunSteps({{INSIDE_X, INSIDE_Y, 1}});
    label->m_disabled = false;
    RunSteps({{INSIDE_X, INSIDE_Y, 0}});
    EXPECT_EQ(m_handler.EventsOf(label).back(), GUI_EVENT_HOVER);
}

TEST_F(FrameTest, ButtonStateIsPressedForExactlyTheFirstFrame)
{
    // Two containers per frame (page and common layer): both passes of the press frame see
    // PRESSED, the next frame sees HELD.
    CRVDXGui common;
    common.m_device = s_device;
    m_leftButton = BUTTON_PRESSED;
    std::wstring typed;
    s_device->BeginScene();
    ProcessFrame(&m_gui, typed, m_leftButton, 0, 0);
    EXPECT_EQ(m_leftButton, BUTTON_PRESSED);
    ProcessFrame(&common, typed, m_leftButton, 0, 0);
    EXPECT_EQ(m_leftButton, BUTTON_HELD);
    s_device->EndScene();

    // One container per frame: PRESSED lasts two frames.
    m_leftButton = BUTTON_UP;
    RunFrame(0, 0, m_leftButton);
    m_leftButton = BUTTON_PRESSED;
    RunFrame(0, 0, m_leftButton);
    EXPECT_EQ(m_leftButton, BUTTON_PRESSED);
    RunFrame(0, 0, m_leftButton);
    EXPECT_EQ(m_leftButton, BUTTON_HELD);
    RunFrame(0, 0, m_leftButton);
    EXPECT_EQ(m_leftButton, BUTTON_HELD);

    // A container without a device leaves the state alone.
    CRVDXGui detached;
    m_leftButton = BUTTON_PRESSED;
    for (int pass = 0; pass < 3; ++pass)
    {
        ProcessFrame(&detached, typed, m_leftButton, 0, 0);
        ProcessFrame(nullptr, typed, m_leftButton, 0, 0);
    }
    EXPECT_EQ(m_leftButton, BUTTON_PRESSED);
}

// A box with a start text, what is typed into it and the text it must end with.
struct TypingCase
{
    const char* name;
    bool digitsOnly;
    int maxLength;
    const wchar_t* start;
    const wchar_t* typed;
    const wchar_t* result;
};

class EditTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        const RECT number = {757, 220, 931, 284};
        m_gui.AddStyle(312, 48, 14, &number, nullptr, m_style);
    }

    // Focuses the box with a click and types the characters, one per frame.
    void Type(CRVDXGUIControl* edit, const std::wstring& typed)
    {
        const int x = (edit->m_rect.left + edit->m_rect.right) / 2;
        const int y = (edit->m_rect.top + edit->m_rect.bottom) / 2;
        Click(x, y);
        for (wchar_t ch : typed)
        {
            RunFrame(x, y, m_leftButton, std::wstring(1, ch));
        }
    }

    CRVDXGUIControl* AddBox(const TypingCase& row)
    {
        m_gui.AddNumberEdit(20, 470, 200, m_style, row.maxLength, 0);
        CRVDXGUIControl* edit = m_gui.m_controls.back().get();
        edit->m_option = row.digitsOnly;
        edit->m_text = row.start;
        return edit;
    }

    int m_style = -1;
};

TEST_F(EditTest, TypingObeysDigitsOnlyLengthLimitsAndBackspace)
{
    const TypingCase cases[] = {
        {"digit box full at 2 ignores a third digit", true, 2, L"12", L"3", L"12"},
        {"digit box ignores letters", true, 2, L"1", L"a-", L"1"},
        {"backspace then digit", true, 2, L"12", L"\b3", L"13"},
        {"backspace on empty text", true, 2, L"", L"\b\b5", L"5"},
        {"ten digits in a long box", true, 10, L"", L"123456789012", L"1234567890"},
        {"free text takes anything up to 14", false, 14, L"", L"Abc 名字-_!1234567", L"Abc 名字-_!12345"},
        {"no limit", false, -1, L"", L"abcdefghijklmnopqrstuvwxyz", L"abcdefghijklmnopqrstuvwxyz"},
        {"backspace removes one character", false, 14, L"名字", L"\b", L"名"},
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.name);
        CRVDXGUIControl* edit = AddBox(row);
        Type(edit, row.typed);
        EXPECT_TRUE(edit->m_text == row.result);
        m_gui.m_controls.back().reset();
    }
}

// Everything typed within one frame arrives together: an input method's whole phrase, fast typing.
TEST_F(EditTest, EveryCharacterOfAFrameArrivesInOrderAndControlCharactersNever)
{
    const TypingCase cases[] = {
        {"a committed phrase", false, 14, L"", L"李逍遥", L"李逍遥"},
        {"fast digits with a backspace", true, 10, L"9", L"12\b34", L"9134"},
        {"Esc, Tab, Enter, Ctrl+A, DEL", false, 14, L"ab", L"\x1b\t\r\n\x01\x7f" L"c", L"abc"},
        {"a pair is typed and erased whole", false, 14, L"a", L"\U0001F600\U0001F600\b", L"a\U0001F600"},
        {"a pair that does not fit whole is dropped", false, 3, L"ab", L"\U0001F600c", L"abc"},
        {"lone surrogates are dropped", false, 14, L"", L"\xD800x\xDC00", L"x"},
        {"the limit cuts the phrase", false, 14, L"名字名字名字名字名字名字", L"李逍遥", L"名字名字名字名字名字名字李逍"},
    };
    for (const auto& row : cases)
    {
        SCOPED_TRACE(row.name);
        CRVDXGUIControl* edit = AddBox(row);
        Click(494, 226);
        std::wstring typed = row.typed;
        s_device->BeginScene();
        ProcessFrame(&m_gui, typed, m_leftButton, 494, 226);
        s_device->EndScene();
        EXPECT_TRUE(edit->m_text == row.result);
        EXPECT_TRUE(typed.empty());
        m_gui.m_controls.back().reset();
    }
}

TEST_F(EditTest, FocusFollowsPressesAndTheFirstFocusedBoxTakesTheCharacter)
{
    m_gui.AddNumberEdit(20, 100, 100, m_style, 10, 0);
    m_gui.AddNumberEdit(21, 300, 100, m_style, 10, 0);
    CRVDXGUIControl* a = m_gui.m_controls[0].get();
    CRVDXGUIControl* b = m_gui.m_controls[1].get();
    const int ay = 126;
    const int ax = 124;
    const int bx = 324;

    RunSteps({{ax, ay, 1}});
    EXPECT_TRUE(a->m_pressed);
    EXPECT_TRUE(m_gui.m_textEntry);
    RunSteps({{ax, ay, 0}, {600, 500, 0}}); // releasing and moving away keep the focus
    EXPECT_TRUE(a->m_pressed);
    EXPECT_TRUE(m_gui.m_textEntry);

    std::wstring typed = L"7";
    s_device->BeginScene();
    ProcessFrame(&m_gui, typed, m_leftButton, 600, 500);
    s_device->EndScene();
    EXPECT_EQ(typed, L""); // taken by the focused box
    EXPECT_EQ(a->m_text, L"7");

    RunSteps({{bx, ay, 1}}); // pressing on B moves the focus
    EXPECT_FALSE(a->m_pressed);
    EXPECT_TRUE(b->m_pressed);
    RunSteps({{bx, ay, 0}, {600, 500, 1}}); // held outside: no box has the focus
    EXPECT_FALSE(b->m_pressed);
    EXPECT_FALSE(m_gui.m_textEntry);

    // Both focused (set by hand): the first in table order takes the characters, the other none.
    a->m_pressed = b->m_pressed = true;
    m_leftButton = BUTTON_UP;
    typed = L"5";
    s_device->BeginScene();
    ProcessFrame(&m_gui, typed, m_leftButton, 600, 500);
    s_device->EndScene();
    EXPECT_EQ(a->m_text, L"75");
    EXPECT_EQ(b->m_text, L"");
    // An edit box never reports a click.
    for (const GuiEventRecord& record : m_handler.m_events)
    {
        EXPECT_NE(record.event, GUI_EVENT_CLICK);
    }
}

TEST_F(FrameTest, MissingFontSkipsTextAndReportButStateStillChanges)
{
    CRVDXGUIControl* label = AddTestLabel(CONTROL_RECT);
    CRVDXGUIControl* edit = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    edit->m_type = GUI_TYPE_EDIT;
    edit->m_rect = RECT{300, 119, 400, 149};
    edit->m_font = 7; // outside the font table
    label->m_font = -2;
    RunSteps({{INSIDE_X, INSIDE_Y, 1}, {350, INSIDE_Y, 1}});
    EXPECT_TRUE(m_handler.m_events.empty());
    EXPECT_FALSE(label->m_pressed); // left while held
    EXPECT_TRUE(edit->m_pressed);   // focused by the second press
}

TEST_F(FrameTest, IndicesOutsideTheTablesDrawNothingAndDoNotCrash)
{
    CRVDXGUIControl* button = AddTestButton(CONTROL_RECT);
    button->m_quad = 99;
    button->m_pressedQuad = -5;
    button->m_style = 42;
    CRVDXGUIControl* box = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    box->m_type = GUI_TYPE_CHECKBOX;
    box->m_style = 3;
    box->m_rect = RECT{300, 119, 400, 149};
    CRVDXGUIControl* odd = m_gui.AddControl(std::make_unique<CRVDXGUIControl>());
    odd->m_type = GUI_TYPE_LISTBOX; // not a list box object
    odd->m_rect = RECT{500, 119, 600, 149};
    m_gui.m_noticeFont = 12;
    m_gui.m_noticeLifetime = 800;
    m_gui.AddNotice(L"成功保存...", 0xFFFFFFFF);
    RunSteps({{INSIDE_X, INSIDE_Y, 1}, {350, INSIDE_Y, 0}, {550, INSIDE_Y, 1}});
    EXPECT_EQ(m_handler.EventsOf(button).size(), 3u);
    EXPECT_EQ(m_handler.EventsOf(odd).back(), GUI_EVENT_PRESS);
}

TEST_F(FrameTest, HandlerMayAddControlsDuringThePass)
{
    struct CAddingHandler : IGuiEventHandler
    {
        void OnGuiEvent(int id, int, CRVDXGUIControl&) override
        {
            ++m_reports;
            if (id == 5 && m_gui->ControlCount() < 4)
            {
                auto* added = m_gui->AddControl(std::make_unique<CRVDXGUIControl>());
                added->m_id = 6;
            }
        }
        CRVDXGui* m_gui = nullptr;
        int m_reports = 0;
    } adding;
    adding.m_gui = &m_gui;
    m_gui.m_handler = &adding;
    for (int i = 0; i < 3; ++i)
    {
        m_gui.AddControl(std::make_unique<CRVDXGUIControl>())->m_id = 5;
    }
    RunSteps({{0, 0, 0}});
    EXPECT_EQ(m_gui.ControlCount(), 4);
    EXPECT_EQ(adding.m_reports, 4); // the added control is visited in the same pass
}

class NoticeTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_gui.m_noticeFont = m_font;
        m_gui.m_noticeLifetime = 800;
    }

    void Pass(DWORD advance)
    {
        CTestClock::Advance(advance);
        RunFrame(0, 0, m_leftButton);
    }
};

TEST_F(NoticeTest, NoticeRisesStopsAtTheLineAndExpires)
{
    m_gui.AddNotice(L"成功保存...", 0xFFFFFFFF);
    ASSERT_EQ(m_gui.m_notices.size(), 1u);
    EXPECT_EQ(m_gui.m_notices[0].m_y, 600);
    Pass(0);
    EXPECT_EQ(m_gui.m_notices[0].m_y, 600);
    Pass(100); // 200 pixels per second
    EXPECT_EQ(m_gui.m_notices[0].m_y, 580);
    Pass(298);
    EXPECT_EQ(m_gui.m_notices[0].m_y, 521); // the last step carries it past the line at 535
    Pass(200);
    EXPECT_EQ(m_gui.m_notices[0].m_y, 521); // above the line: it stays
    Pass(201);                              // 799 ms
    ASSERT_EQ(m_gui.m_notices.size(), 1u);
    Pass(1); // 800 ms: drawn once more and gone
    EXPECT_TRUE(m_gui.m_notices.empty());
}

TEST_F(NoticeTest, NoticesStackAtLeastTwentyPixelsApart)
{
    for (int i = 0; i < 5; ++i)
    {
        m_gui.AddNotice(L"成功保存...", 0xFFFFFFFF);
    }
    for (int pass = 0; pass < 40; ++pass)
    {
        Pass(15);
        SCOPED_TRACE(pass);
        for (size_t i = 1; i < m_gui.m_notices.size(); ++i)
        {
            EXPECT_GE(m_gui.m_notices[i].m_y, m_gui.m_notices[i - 1].m_y + 20);
        }
    }
    // Five notices lift the stop line to 595 - 100 = 495.
    EXPECT_LE(m_gui.m_notices[0].m_y, 495);
    Pass(800);
    EXPECT_TRUE(m_gui.m_notices.empty());
}
} // namespace
