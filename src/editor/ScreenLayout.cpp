// CMainFrame::BuildScreen: fills the four GUI containers once at start-up: the common layer with
// the logo button and the notice font, the main page's menu and the items page. The character
// page is in CharacterPageLayout.cpp. The creation order fixes font, style and quad indices and
// the drawing order.
#include "MainFrame.h"

#include "ImageIds.h"
#include "ScreenIds.h"
#include "TheDocument.h"

namespace
{
constexpr int CANVAS_WIDTH = 800;
constexpr int CANVAS_HEIGHT = 600;
constexpr int CANVAS_ORIGIN_X = 0;
constexpr int CANVAS_ORIGIN_Y = 19;

constexpr RECT LOGO_BUTTON_RECT{695, 15, 783, 48};
constexpr DWORD NOTICE_LIFETIME_MS = 800;

constexpr D3DCOLOR MENU_COLOR = 0xFF401F0D;
constexpr D3DCOLOR MENU_HOVER_COLOR = 0xFFF6D816;
constexpr D3DCOLOR MENU_DISABLED_COLOR = 0xFF736648; // the entries that need a loaded save

struct CMenuEntry
{
    int m_id;
    const wchar_t* m_text;
    bool m_needsSave;
};

constexpr CMenuEntry MAIN_MENU[] = {
    {SCREEN_ID_HOME_PAGE, L"访问主页", false},   {SCREEN_ID_FORUM, L"访问中文站帖子", false},
    {SCREEN_ID_LOAD, L"载入存档", false},        {SCREEN_ID_SAVE, L"保存", true},
    {SCREEN_ID_SAVE_AS, L"另存为", true},        {SCREEN_ID_EDIT_CHARACTER, L"修改人物", true},
    {SCREEN_ID_EDIT_ITEMS, L"修改物品", true},   {SCREEN_ID_QUIT, L"退出", false},
};
constexpr int MENU_LEFT = 55;
constexpr int MENU_RIGHT = 180;
constexpr int MENU_TOP = 174;
constexpr int MENU_STEP = 30;
constexpr int MENU_HEIGHT = 20;

constexpr RECT NUMBER_BOX_UV{757, 220, 931, 284};
constexpr RECT CELL_UV{0, 0, 70, 70};
constexpr RECT SCROLL_TRACK_UV{985, 15, 1005, 685};
constexpr RECT SCROLL_THUMB_UV{955, 120, 965, 440};
constexpr int ITEM_CELLS = 75;
} // namespace

void CMainFrame::BuildScreen()
{
    TheDocument().m_screen = this;
    PrepareContainer(m_commonGui);
    BuildCommonLayer();
    PrepareContainer(m_mainPageGui);
    BuildMainPage();
    PrepareContainer(m_characterPageGui);
    BuildCharacterPage();
    PrepareContainer(m_itemsPageGui);
    BuildItemsPage();
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
    m_commonGui.AddButton(IDR_LOGO_NORMAL, nullptr, SCREEN_ID_LOGO, nullptr, LOGO_BUTTON_RECT, IDR_LOGO_PRESSED,
                          nullptr, IDR_LOGO_HOVER, 0, 0, -1);
    m_commonGui.AddFont(L"楷体", 18, m_commonGui.m_noticeFont);
    m_commonGui.m_noticeLifetime = NOTICE_LIFETIME_MS;
}

void CMainFrame::BuildMainPage()
{
    m_mainPageGui.SetBackground(IDR_MAIN_PAGE);
    int font = -1;
    m_mainPageGui.AddFont(L"楷体", 18, font);
    int top = MENU_TOP;
    for (const CMenuEntry& entry : MAIN_MENU)
    {
        CRVDXGUIControl* label = nullptr;
        m_mainPageGui.AddLabel(entry.m_id, entry.m_text, RECT{MENU_LEFT, top, MENU_RIGHT, top + MENU_HEIGHT},
                               MENU_COLOR, font, MENU_HOVER_COLOR,
                               entry.m_needsSave ? MENU_DISABLED_COLOR : MENU_COLOR, true, &label);
        top += MENU_STEP;
        switch (entry.m_id)
        {
        case SCREEN_ID_SAVE: m_saveButton = label; break;
        case SCREEN_ID_SAVE_AS: m_saveAsButton = label; break;
        case SCREEN_ID_EDIT_CHARACTER: m_editCharacterButton = label; break;
        case SCREEN_ID_EDIT_ITEMS: m_editItemsButton = label; break;
        }
    }
}

void CMainFrame::BuildItemsPage()
{
    constexpr D3DCOLOR BLACK = 0xFF000000;
    CRVDXGui& page = m_itemsPageGui;
    page.SetBackground(IDR_ITEMS_PAGE);
    int nameFont = -1;
    page.AddFont(L"楷体", 14, nameFont);
    page.AddLabel(SCREEN_ID_PLAYER_NAME, L"", RECT{600, 20, 740, 40}, BLACK, nameFont, BLACK, BLACK, true);
    int moneyFont = -1;
    page.AddFont(L"楷体", 17, moneyFont);
    page.AddLabel(0, L"钱:", RECT{610, 550, 610, 550}, BLACK, moneyFont, BLACK, BLACK, false);
    int moneyStyle = -1;
    page.AddStyle(IDR_ATLAS, 96, 18, &NUMBER_BOX_UV, nullptr, moneyStyle);
    page.AddNumberEdit(SCREEN_ID_MONEY, 640, 550, moneyStyle, 10, moneyFont);
    page.AddListBox(RECT{551, 42, 767, 520}, CELL_UV, SCROLL_TRACK_UV, SCROLL_THUMB_UV, &m_itemGrid);
    for (int cell = 0; m_itemGrid && cell < ITEM_CELLS; ++cell)
    {
        m_itemGrid->AddListItem();
    }
}
