// The screen as built at start-up: every container's controls in creation order with their ids,
// kinds, rectangles, colours, fonts and texts, and what the pages show before any save is loaded.
#include "EditorFixture.h"

#include "SkillNames.h"

#include <gtest/gtest.h>

namespace
{
RECT Canvas(RECT r)
{
    return RECT{r.left, r.top + 19, r.right, r.bottom + 19};
}

void ExpectRect(const CRVDXGUIControl& control, RECT expected)
{
    const RECT& r = control.m_rect;
    const RECT e = Canvas(expected);
    EXPECT_TRUE(r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom)
        << "id " << control.m_id << " at (" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

// The kinds and ids of the character page's 72 controls, in creation order.
std::vector<std::pair<int, int>> CharacterPageTable()
{
    std::vector<std::pair<int, int>> table = {{GUI_TYPE_LABEL, 0}, {GUI_TYPE_LABEL, 0}, {GUI_TYPE_LABEL, 58},
                                              {GUI_TYPE_LABEL, 59}};
    for (int i = 0; i < 3 + 4 + 24 + 3; ++i)
    {
        table.push_back({GUI_TYPE_LABEL, 0});
    }
    table.push_back({GUI_TYPE_EDIT, 1});
    table.push_back({GUI_TYPE_BUTTON, 13});
    for (int k = 0; k < 24; ++k)
    {
        table.push_back({GUI_TYPE_EDIT, 14 + k});
    }
    for (int id : {54, 55, 56, 57, 60, 61, 62})
    {
        table.push_back({GUI_TYPE_EDIT, id});
    }
    table.push_back({GUI_TYPE_CHECKBOX, 63});
    return table;
}
} // namespace

TEST_F(EditorTest, TheMainPageHoldsTheEightMenuEntries)
{
    const CRVDXGui& page = m_frame.m_mainPageGui;
    ASSERT_EQ(page.ControlCount(), 8);
    EXPECT_EQ(page.FontCount(), 1);
    EXPECT_NE(page.m_background, nullptr);
    const struct
    {
        int id;
        const wchar_t* text;
        D3DCOLOR disabled;
    } rows[] = {{5, L"访问主页", 0xFF401F0D}, {6, L"访问中文站帖子", 0xFF401F0D}, {4, L"载入存档", 0xFF401F0D},
                {9, L"保存", 0xFF736648},     {10, L"另存为", 0xFF736648},        {7, L"修改人物", 0xFF736648},
                {12, L"修改物品", 0xFF736648}, {8, L"退出", 0xFF401F0D}};
    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE(i);
        const CRVDXGUIControl& label = *page.m_controls[size_t(i)];
        EXPECT_EQ(label.m_type, GUI_TYPE_LABEL);
        EXPECT_EQ(label.m_id, rows[i].id);
        EXPECT_EQ(label.m_text, rows[i].text);
        ExpectRect(label, RECT{55, 174 + 30 * i, 180, 194 + 30 * i});
        EXPECT_EQ(label.m_color, 0xFF401F0Du);
        EXPECT_EQ(label.m_hoverColor, 0xFFF6D816u);
        EXPECT_EQ(label.m_disabledColor, rows[i].disabled);
        EXPECT_TRUE(label.m_option) << "centred";
    }
    EXPECT_EQ(m_frame.m_saveButton, page.m_controls[3].get());
    EXPECT_EQ(m_frame.m_saveAsButton, page.m_controls[4].get());
    EXPECT_EQ(m_frame.m_editCharacterButton, page.m_controls[5].get());
    EXPECT_EQ(m_frame.m_editItemsButton, page.m_controls[6].get());

    // Without a save the four entries that need one are disabled on every main-page frame.
    RunFrames();
    for (const CRVDXGUIControl* label : {m_frame.m_saveButton, m_frame.m_saveAsButton, m_frame.m_editCharacterButton,
                                         m_frame.m_editItemsButton})
    {
        EXPECT_TRUE(label->m_disabled);
    }
    EXPECT_FALSE(page.m_controls[2]->m_disabled);
}

TEST_F(EditorTest, TheCharacterPageHoldsItsControlsInCreationOrder)
{
    const CRVDXGui& page = m_frame.m_characterPageGui;
    const std::vector<std::pair<int, int>> table = CharacterPageTable();
    ASSERT_EQ(page.ControlCount(), int(table.size()));
    for (size_t i = 0; i < table.size(); ++i)
    {
        EXPECT_EQ(page.m_controls[i]->m_type, table[i].first) << "control " << i + 1;
        EXPECT_EQ(page.m_controls[i]->m_id, table[i].second) << "control " << i + 1;
    }
    EXPECT_EQ(page.FontCount(), 5);
    EXPECT_EQ(page.StyleCount(), 3);
    EXPECT_EQ(page.m_checkBoxStyle, 2);

    const auto at = [&](size_t order) -> const CRVDXGUIControl& { return *page.m_controls[order - 1]; };
    ExpectRect(at(1), RECT{285, 66, 285, 66});
    EXPECT_EQ(at(1).m_text, L"等级：");
    EXPECT_EQ(at(1).m_hoverColor, at(1).m_color) << "a static label never changes colour";
    EXPECT_EQ(at(7).m_text, L"人物列表");
    EXPECT_EQ(at(7).m_font, 1);
    ExpectRect(at(8), RECT{40, 418, 220, 433});
    EXPECT_EQ(at(11).m_text, L"魅：");
    EXPECT_EQ(at(11).m_hoverColor, 0xFF252ED1u);
    for (int k = 0; k < 24; ++k)
    {
        const CRVDXGUIControl& skill = at(12 + size_t(k));
        EXPECT_EQ(skill.m_text, SKILL_NAMES[size_t(k)]);
        EXPECT_EQ(skill.m_font, 3);
        EXPECT_EQ(skill.m_hoverColor, 0xFF20AF19u);
        ExpectRect(skill, RECT{278, 200 + 14 * k, 518, 214 + 14 * k});
        const CRVDXGUIControl& box = at(41 + size_t(k));
        ExpectRect(box, RECT{470, 200 + 14 * k, 518, 214 + 14 * k});
        EXPECT_EQ(box.m_maxLength, 2);
        EXPECT_TRUE(box.m_option) << "digits only";
    }
    EXPECT_EQ(at(38).m_text, L"武器点:");
    ExpectRect(at(39), RECT{245, 15, 555, 50});
    EXPECT_EQ(at(39).m_font, 4);
    EXPECT_EQ(at(39).m_maxLength, 14);
    ExpectRect(at(40), RECT{685, 555, 785, 590});
    EXPECT_EQ(at(40).m_text, L"完成");
    EXPECT_EQ(at(40).m_hoverColor, 0xFF187F11u);
    ExpectRect(at(65), RECT{120, 418, 216, 433});
    ExpectRect(at(69), RECT{113, 537, 209, 552});
    ExpectRect(at(71), RECT{375, 557, 471, 572});
    EXPECT_EQ(at(71).m_maxLength, 10);
    ExpectRect(at(72), RECT{595, 66, 715, 111});
    EXPECT_EQ(at(72).m_text, L"直面人生");
}

TEST_F(EditorTest, TheItemsPageAndTheCommonLayer)
{
    const CRVDXGui& items = m_frame.m_itemsPageGui;
    ASSERT_EQ(items.ControlCount(), 4);
    EXPECT_EQ(items.FontCount(), 2);
    ExpectRect(*items.m_controls[0], RECT{600, 20, 740, 40});
    EXPECT_EQ(items.m_controls[0]->m_id, 103);
    EXPECT_EQ(items.m_controls[1]->m_text, L"钱:");
    ExpectRect(*items.m_controls[2], RECT{640, 550, 736, 568});
    EXPECT_EQ(items.m_controls[2]->m_id, 102);
    ASSERT_NE(m_frame.m_itemGrid, nullptr);
    EXPECT_EQ(items.m_controls[3].get(), m_frame.m_itemGrid);
    ExpectRect(*m_frame.m_itemGrid, RECT{551, 42, 767, 520});
    EXPECT_EQ(m_frame.m_itemGrid->m_items.size(), 75u);

    const CRVDXGui& common = m_frame.m_commonGui;
    ASSERT_EQ(common.ControlCount(), 1);
    EXPECT_EQ(common.m_controls[0]->m_id, 11);
    ExpectRect(*common.m_controls[0], RECT{695, 15, 783, 48});
    EXPECT_EQ(common.m_noticeFont, 0);
    EXPECT_EQ(common.m_noticeLifetime, 800u);
}
