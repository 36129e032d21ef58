// CMainFrame::ExchangeCharacter: moves every editable value between the controls and the save
// document in one direction; the controls are the only copy of the edits between the two.
#include "MainFrame.h"

#include "ScreenIds.h"
#include "TheDocument.h"

namespace
{
struct CNumberRow
{
    int m_id;
    int32_t CCharacterRecord::*m_value;
};

// The rows before the skills, in exchange order.
constexpr CNumberRow LEADING_ROWS[] = {
    {SCREEN_ID_STRENGTH, &CCharacterRecord::m_strength},
    {SCREEN_ID_AGILITY, &CCharacterRecord::m_agility},
    {SCREEN_ID_INTELLIGENCE, &CCharacterRecord::m_intelligence},
    {SCREEN_ID_CHARISMA, &CCharacterRecord::m_charisma},
    {SCREEN_ID_ATTRIBUTE_POINTS, &CCharacterRecord::m_attributePoints},
    {SCREEN_ID_SKILL_POINTS, &CCharacterRecord::m_skillPoints},
};
} // namespace

void CMainFrame::ExchangeCharacter(bool collect)
{
    const int direction = collect ? GUI_EXCHANGE_COLLECT : GUI_EXCHANGE_SHOW;
    CSaveDocument& document = TheDocument();
    CCharacterRecord& current = *document.m_current;
    CRVDXGui& page = m_characterPageGui;

    for (const CNumberRow& row : LEADING_ROWS)
    {
        page.ExchangeInt(direction, row.m_id, current.*row.m_value);
    }
    for (int k = SKILL_ROW_COUNT - 1; k >= 0; --k)
    {
        page.ExchangeInt(direction, SCREEN_ID_FIRST_SKILL + k, current.m_skills[size_t(k)]);
    }
    page.ExchangeInt(direction, SCREEN_ID_WEAPON_POINTS, current.m_weaponPoints);
    page.ExchangeText(direction, SCREEN_ID_NAME, current.m_name);
    // Labels the user cannot type into: a collect writes back what the last show displayed.
    page.ExchangeInt(direction, SCREEN_ID_LEVEL, current.m_level);
    page.ExchangeInt(direction, SCREEN_ID_EXPERIENCE, current.m_experience);
    if (CRVDXGUIControl* flag = page.FindControl(SCREEN_ID_HEADER_FLAG))
    {
        if (collect)
        {
            document.m_headerFlag = flag->m_option;
        }
        else
        {
            flag->m_option = document.m_headerFlag;
        }
    }

    // The items page always stands for the player.
    m_itemsPageGui.ExchangeText(direction, SCREEN_ID_PLAYER_NAME, document.m_player.m_name);
    m_itemsPageGui.ExchangeInt(direction, SCREEN_ID_MONEY, document.m_player.m_money);
}
