// The control builders: the fields each sets, how looks share textures and quads, what an
// invalid font or style builds, and the check box's message when it has no style.
#include "GuiFixture.h"

#include "GuiMessage.h"
#include "ImageIds.h"

namespace
{
std::vector<std::wstring> s_messages;

class BuilderTest : public GuiTest
{
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        s_messages.clear();
        SetGuiMessageSink([](const wchar_t* text) { s_messages.push_back(text); });
        m_gui.AddFont(L"楷体", 18, m_font);
    }

    void TearDown() override
    {
        SetGuiMessageSink(nullptr);
        GuiTest::TearDown();
    }

    CRVDXGUIControl* Last() { return m_gui.m_controls.back().get(); }

    // The rectangle a quad covers, read back from its vertex buffer.
    RECT QuadRect(int index)
    {
        GuiVertex v[4] = {};
        EXPECT_TRUE(ReadQuad(m_gui.QuadAt(index), v));
        return RECT{static_cast<LONG>(v[2].x), static_cast<LONG>(v[0].y), static_cast<LONG>(v[0].x),
                    static_cast<LONG>(v[1].y)};
    }

    int m_font = -1;
};

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(BuilderTest, LabelTakesItsColoursAndOnlyAValidFont)
{
    CRVDXGUIControl* label = nullptr;
    m_gui.AddLabel(9, L"保存", RECT{55, 264, 180, 284}, 0xFF401F0D, m_font, 0, 0, true, &label);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->m_type, GUI_TYPE_LABEL);
    EXPECT_EQ(label->m_id, 9);
    EXPECT_EQ(label->m_text, L"保存");
    EXPECT_TRUE(label->m_option);
    EXPECT_EQ(label->m_hoverColor, 0xFF401F0Du); // 0 means the normal colour
    EXPECT_EQ(label->m_disabledColor, 0xFF401F0Du);
    ExpectRect(label->m_rect, RECT{55, 283, 180, 303});

    const struct
    {
        const char* name;
        const wchar_t* text;
        int font;
    } invalid[] = {
        {"no text", nullptr, m_font}, {"negative font", L"x", -1}, {"font past the table", L"x", 1}};
    for (const auto& row : invalid)
    {
        SCOPED_TRACE(row.name);
        CRVDXGUIControl* untouched = label;
        m_gui.AddLabel(9, row.text, RECT{0, 0, 1, 1}, 1, row.font, 2, 3, false, &untouched);
        EXPECT_EQ(untouched, label);
        EXPECT_EQ(m_gui.ControlCount(), 1);
    }
}

TEST_F(BuilderTest, ButtonLooksShareTexturesAndQuadsUnlessGiven)
{
    const RECT normal = {330, 115, 565, 195};
    const RECT pressed = {330, 15, 565, 95};
    // The "完成" button: one image, two rectangles; the hover look is the normal look.
    m_gui.AddButton(IDR_ATLAS, &normal, 13, L"完成", RECT{685, 555, 785, 590}, 0, &pressed, 0, 0xFF090807,
                    0xFF187F11, 0);
    CRVDXGUIControl* done = Last();
    EXPECT_EQ(done->m_type, GUI_TYPE_BUTTON);
    EXPECT_EQ(done->m_owner, &m_gui);
    EXPECT_EQ(done->m_text, L"完成");
    EXPECT_EQ(done->m_disabledColor, 0xFF090807u);
    ASSERT_NE(done->m_texture, nullptr);
    EXPECT_EQ(done->m_pressedTexture, done->m_texture);
    EXPECT_EQ(done->m_hoverTexture, done->m_texture);
    EXPECT_EQ(done->m_quad, 0);
    EXPECT_EQ(done->m_pressedQuad, 1);
    EXPECT_EQ(done->m_hoverQuad, 0);
    GuiVertex v[4];
    ASSERT_TRUE(ReadQuad(m_gui.m_quads[1], v));
    EXPECT_FLOAT_EQ(v[3].u, 330.0f / 1024.0f);
    EXPECT_FLOAT_EQ(v[0].v, 15.0f / 1024.0f);
    ExpectRect(QuadRect(1), RECT{685, 574, 785, 609});

    // Only a normal image: one texture and one quad for every look; font -1 is the default.
    m_gui.AddButton(IDR_LOGO_NORMAL, nullptr, 11, nullptr, RECT{695, 15, 783, 48}, 0, nullptr, 0, 0, 0, -1);
    CRVDXGUIControl* plain = Last();
    EXPECT_EQ(plain->m_pressedTexture, plain->m_texture);
    EXPECT_EQ(plain->m_hoverTexture, plain->m_texture);
    EXPECT_EQ(plain->m_quad, 2);
    EXPECT_EQ(plain->m_pressedQuad, 2);
    EXPECT_EQ(plain->m_hoverQuad, 2);
    EXPECT_EQ(plain->m_font, m_gui.m_defaultFont);
    EXPECT_TRUE(plain->m_text.empty());

    // The logo: three images, whole textures.
    m_gui.AddButton(IDR_LOGO_NORMAL, nullptr, 11, nullptr, RECT{695, 15, 783, 48}, IDR_LOGO_PRESSED, nullptr,
                    IDR_LOGO_HOVER, 0, 0, -1);
    CRVDXGUIControl* logo = Last();
    EXPECT_NE(logo->m_pressedTexture, logo->m_texture);
    EXPECT_NE(logo->m_hoverTexture, logo->m_texture);
    EXPECT_NE(logo->m_hoverTexture, nullptr);
    ASSERT_TRUE(ReadQuad(m_gui.m_quads[logo->m_quad], v));
    EXPECT_FLOAT_EQ(v[0].u, 1.0f);
    EXPECT_FLOAT_EQ(v[1].v, 1.0f);
}

TEST_F(BuilderTest, EditBoxesTakeTheirFixedValues)
{
    const RECT normal = {12, 545, 602, 610};
    const RECT focused = {12, 446, 602, 511};
    m_gui.AddNameEdit(&normal, &focused, RECT{245, 15, 555, 50}, IDR_ATLAS, -1);
    CRVDXGUIControl* name = Last();
    EXPECT_EQ(name->m_type, GUI_TYPE_EDIT);
    EXPECT_EQ(name->m_id, 1);
    EXPECT_FALSE(name->m_option);
    EXPECT_EQ(name->m_maxLength, 14);
    EXPECT_EQ(name->m_color, 0xFF060504u);
    EXPECT_EQ(name->m_text.size(), 10u); // the site name
    EXPECT_EQ(name->m_pressedQuad, name->m_quad + 1);
    EXPECT_EQ(name->m_hoverQuad, name->m_quad);
    EXPECT_EQ(name->m_pressedTexture, name->m_texture);

    const RECT number = {757, 220, 931, 284};
    int style = -1;
    m_gui.AddStyle(IDR_ATLAS, 48, 14, &number, nullptr, style);
    m_gui.AddNumberEdit(14, 470, 200, style, 2, 0);
    CRVDXGUIControl* box = Last();
    ExpectRect(box->m_rect, RECT{470, 219, 518, 233});
    ExpectRect(QuadRect(box->m_quad), RECT{470, 219, 518, 233});
    EXPECT_EQ(box->m_style, style);
    EXPECT_TRUE(box->m_option);
    EXPECT_EQ(box->m_maxLength, 2);
    EXPECT_EQ(box->m_color, 0xFFFFFFFFu);
    EXPECT_TRUE(box->m_text.empty());
    EXPECT_EQ(box->m_pressedQuad, box->m_quad); // the style has no pressed look
    EXPECT_EQ(box->m_texture, nullptr);         // drawn with the style's texture

    const int count = m_gui.ControlCount();
    for (int invalid : {-1, style + 1})
    {
        m_gui.AddNumberEdit(15, 0, 0, invalid, 2, 0);
    }
    EXPECT_EQ(m_gui.ControlCount(), count);
}

TEST_F(BuilderTest, CheckBoxNeedsAStyleAndHitsWiderThanItsBox)
{
    m_gui.AddCheckBox(-1, RECT{595, 66, 715, 111});
    EXPECT_EQ(m_gui.ControlCount(), 0);
    ASSERT_EQ(s_messages.size(), 1u);
    EXPECT_EQ(s_messages[0], L"未给CheckBox设置Style");

    const RECT unchecked = {650, 135, 680, 180};
    const RECT checked = {682, 135, 712, 180};
    m_gui.AddStyle(IDR_ATLAS, 30, 45, &unchecked, &checked, m_gui.m_checkBoxStyle);
    m_gui.AddCheckBox(-1, RECT{595, 66, 715, 111});
    CRVDXGUIControl* box = Last();
    EXPECT_EQ(box->m_type, GUI_TYPE_CHECKBOX);
    EXPECT_EQ(box->m_id, 63);
    EXPECT_EQ(box->m_text, L"直面人生");
    EXPECT_FALSE(box->m_option);
    EXPECT_EQ(box->m_hoverColor, 0xFF401F0Du);
    ExpectRect(box->m_rect, RECT{595, 85, 715, 130});
    ExpectRect(QuadRect(box->m_quad), RECT{595, 85, 625, 130});
    EXPECT_EQ(box->m_pressedQuad, box->m_quad + 1);
    EXPECT_EQ(s_messages.size(), 1u);
}
} // namespace
