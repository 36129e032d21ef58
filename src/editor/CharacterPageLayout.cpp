// CMainFrame::BuildCharacterPage: the character page's background, fonts, styles and controls:
// level and experience, attributes, 24 skills, points, the name box, "完成", the number boxes and
// the header-flag check box. Fonts and styles are interleaved with the controls exactly so; the
// character list is appended by each load.
#include "MainFrame.h"

#include "ImageIds.h"
#include "ScreenIds.h"
#include "SkillNames.h"

namespace
{
constexpr D3DCOLOR TITLE_COLOR = 0xFF401F0D;
constexpr D3DCOLOR ATTRIBUTE_COLOR = 0xFF192541;
constexpr D3DCOLOR ATTRIBUTE_HOVER_COLOR = 0xFF252ED1;
constexpr D3DCOLOR SKILL_COLOR = 0xFF3A5224;
constexpr D3DCOLOR SKILL_HOVER_COLOR = 0xFF20AF19;
constexpr D3DCOLOR LIST_COLOR = 0xFF5B3E27;
constexpr D3DCOLOR DONE_COLOR = 0xFF090807;
constexpr D3DCOLOR DONE_HOVER_COLOR = 0xFF187F11;

constexpr const wchar_t* ATTRIBUTE_NAMES[] = {L"力：", L"敏：", L"智：", L"魅："};
constexpr int ATTRIBUTE_TOP = 418;
constexpr int ATTRIBUTE_STEP = 25;
constexpr int SKILL_TOP = 200;
constexpr int SKILL_STEP = 14;

constexpr RECT NUMBER_BOX_UV{757, 220, 931, 284};
constexpr RECT UNCHECKED_UV{650, 135, 680, 180};
constexpr RECT CHECKED_UV{682, 135, 712, 180};
constexpr RECT NAME_BOX_UV{12, 545, 602, 610};
constexpr RECT NAME_BOX_FOCUSED_UV{12, 446, 602, 511};
constexpr RECT DONE_UV{330, 115, 565, 195};
constexpr RECT DONE_PRESSED_UV{330, 15, 565, 95};

// A label that only decorates: one colour, drawn from its point, never reacting to the pointer.
void AddPointLabel(CRVDXGui& gui, int id, const wchar_t* text, int x, int y, D3DCOLOR color, int font)
{
    gui.AddLabel(id, text, RECT{x, y, x, y}, color, font, color, color, false);
}
} // namespace

void CMainFrame::BuildCharacterPage()
{
    CRVDXGui& page = m_characterPageGui;
    page.SetBackground(IDR_CHARACTER_PAGE);

    int titleFont = -1;
    page.AddFont(L"楷体", 20, titleFont);
    AddPointLabel(page, 0, L"等级：", 285, 66, TITLE_COLOR, titleFont);
    AddPointLabel(page, 0, L"经验值：", 285, 86, TITLE_COLOR, titleFont);
    AddPointLabel(page, SCREEN_ID_LEVEL, L"", 345, 66, TITLE_COLOR, titleFont);
    AddPointLabel(page, SCREEN_ID_EXPERIENCE, L"", 365, 86, TITLE_COLOR, titleFont);

    int headingFont = -1;
    page.AddFont(L"楷体", 17, headingFont);
    AddPointLabel(page, 0, L"属性", 66, 388, ATTRIBUTE_COLOR, headingFont);
    AddPointLabel(page, 0, L"技能", 315, 175, SKILL_COLOR, headingFont);
    AddPointLabel(page, 0, L"人物列表", 600, 258, LIST_COLOR, headingFont);

    int attributeFont = -1;
    page.AddFont(L"楷体", 15, attributeFont);
    for (int j = 0; j < 4; ++j)
    {
        const int top = ATTRIBUTE_TOP + ATTRIBUTE_STEP * j;
        page.AddLabel(0, ATTRIBUTE_NAMES[j], RECT{40, top, 220, top + 15}, ATTRIBUTE_COLOR, attributeFont,
                      ATTRIBUTE_HOVER_COLOR, ATTRIBUTE_COLOR, false);
    }

    int skillFont = -1;
    page.AddFont(L"楷体", 14, skillFont);
    for (int k = 0; k < SKILL_ROW_COUNT; ++k)
    {
        const int top = SKILL_TOP + SKILL_STEP * k;
        const std::wstring name(SKILL_NAMES[size_t(k)]);
        page.AddLabel(0, name.c_str(), RECT{278, top, 518, top + 14}, SKILL_COLOR, skillFont, SKILL_HOVER_COLOR,
                      SKILL_COLOR, false);
    }
    AddPointLabel(page, 0, L"属性点:", 48, 535, ATTRIBUTE_COLOR, headingFont);
    AddPointLabel(page, 0, L"技能点:", 310, 535, SKILL_COLOR, headingFont);
    AddPointLabel(page, 0, L"武器点:", 310, 555, LIST_COLOR, headingFont);

    int nameFont = -1;
    page.AddFont(L"宋体", 18, nameFont);
    page.AddNameEdit(&NAME_BOX_UV, &NAME_BOX_FOCUSED_UV, RECT{245, 15, 555, 50}, IDR_ATLAS, nameFont);
    // One texture serves every look of the button; the hover look is the normal one.
    page.AddButton(IDR_ATLAS, &DONE_UV, SCREEN_ID_DONE, L"完成", RECT{685, 555, 785, 590}, 0, &DONE_PRESSED_UV, 0,
                   DONE_COLOR, DONE_HOVER_COLOR, titleFont);

    int skillBox = -1;
    page.AddStyle(IDR_ATLAS, 48, 14, &NUMBER_BOX_UV, nullptr, skillBox);
    for (int k = 0; k < SKILL_ROW_COUNT; ++k)
    {
        page.AddNumberEdit(SCREEN_ID_FIRST_SKILL + k, 470, SKILL_TOP + SKILL_STEP * k, skillBox, 2, skillFont);
    }
    int valueBox = -1;
    page.AddStyle(IDR_ATLAS, 96, 15, &NUMBER_BOX_UV, nullptr, valueBox);
    for (int j = 0; j < 4; ++j)
    {
        page.AddNumberEdit(SCREEN_ID_STRENGTH + j, 120, ATTRIBUTE_TOP + ATTRIBUTE_STEP * j, valueBox, 10, skillFont);
    }
    page.AddNumberEdit(SCREEN_ID_ATTRIBUTE_POINTS, 113, 537, valueBox, 10, skillFont);
    page.AddNumberEdit(SCREEN_ID_SKILL_POINTS, 375, 537, valueBox, 10, skillFont);
    page.AddNumberEdit(SCREEN_ID_WEAPON_POINTS, 375, 557, valueBox, 10, skillFont);

    page.AddStyle(IDR_ATLAS, 30, 45, &UNCHECKED_UV, &CHECKED_UV, page.m_checkBoxStyle);
    page.AddCheckBox(titleFont, RECT{595, 66, 715, 111});
}
