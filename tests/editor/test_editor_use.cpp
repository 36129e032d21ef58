// The editor in use: what a load shows and a collect takes back, the character list, the command
// table and the pages, the keys, the view's input (quick clicks, typed phrases) and dropped files.
#include "EditorFixture.h"

#include "WebPage.h"

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

namespace
{
std::vector<std::string> s_opened;
void RecordAddress(const char* address)
{
    s_opened.emplace_back(address);
}

std::wstring TextOf(const CRVDXGUIControl* control)
{
    return control ? control->m_text : L"<none>";
}

// An HDROP holding one path, as the shell posts it with WM_DROPFILES.
HDROP MakeDrop(const std::wstring& path)
{
    const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(path.begin(), path.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}
} // namespace

TEST_F(EditorTest, ALoadShowsTheCurrentCharacterAndACollectTakesTheEditsBack)
{
    const CFixtureOptions options = MakeFixtureOptions(301);
    LoadFixture(options);
    CSaveDocument& document = TheDocument();
    const CCharacterRecord& player = document.m_player;
    EXPECT_EQ(TextOf(CharacterControl(54)), FormatInt(player.m_strength));
    EXPECT_EQ(TextOf(CharacterControl(14 + 23)), FormatInt(player.m_skills[23]));
    EXPECT_EQ(TextOf(CharacterControl(58)), FormatInt(options.m_player.m_level));
    EXPECT_EQ(TextOf(CharacterControl(59)), FormatInt(options.m_player.m_experience));
    EXPECT_EQ(TextOf(CharacterControl(1)), L"Hero");
    EXPECT_EQ(TextOf(ItemsControl(103)), L"Hero");
    EXPECT_EQ(TextOf(ItemsControl(102)), FormatInt(options.m_player.m_money));
    EXPECT_EQ(CharacterControl(63)->m_option, document.m_headerFlag);

    CharacterControl(55)->m_text = L"0042";
    CharacterControl(60)->m_text = L"";
    CharacterControl(14)->m_text = L"7";
    CharacterControl(62)->m_text = L"2147483647";
    CharacterControl(1)->m_text = L"新名字";
    ItemsControl(102)->m_text = L"99";
    CharacterControl(63)->m_option = !document.m_headerFlag;
    const bool toggled = CharacterControl(63)->m_option;
    m_frame.ExchangeCharacter(true);
    EXPECT_EQ(player.m_agility, 42);
    EXPECT_EQ(player.m_attributePoints, 0) << "an emptied box gives 0";
    EXPECT_EQ(player.m_skills[0], 7);
    EXPECT_EQ(player.m_weaponPoints, INT32_MAX);
    EXPECT_EQ(player.m_money, 99);
    EXPECT_EQ(player.m_level, options.m_player.m_level) << "the level label writes back what it showed";
    EXPECT_EQ(document.m_headerFlag, toggled);
    EXPECT_EQ(player.m_name, L"Hero") << "the items page's name label is collected after the name box";
    EXPECT_EQ(TextOf(CharacterControl(55)), L"0042") << "a collect does not refresh the controls";
}

TEST_F(EditorTest, EachLoadRebuildsTheCharacterListAndARefusedOneKeepsIt)
{
    LoadFixture(MakeFixtureOptions(302));
    CRVDXGui& page = m_frame.m_characterPageGui;
    EXPECT_EQ(page.FontCount(), 6);
    for (int row = 0; row < 16; ++row)
    {
        SCOPED_TRACE(row);
        const CRVDXGUIControl* label = m_frame.m_characterItems[size_t(row)];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->m_id, 3);
        EXPECT_EQ(label->m_rect.top, 287 + 15 * row + 19);
        EXPECT_EQ(label->m_rect.bottom, 302 + 15 * row + 19);
        EXPECT_EQ(label->m_rect.left, 575);
        EXPECT_EQ(label->m_rect.right, 767);
        EXPECT_EQ(label->m_color, 0xFF5B3E27u);
        EXPECT_EQ(label->m_hoverColor, 0xFFD6301Bu);
        EXPECT_EQ(label->m_font, 5);
        EXPECT_EQ(label->m_text, row == 0 ? TheDocument().m_player.m_name : TheDocument().m_companions[size_t(row)].m_name);
    }
    LoadFixture(MakeFixtureOptions(303), u8"second.sav");
    EXPECT_EQ(page.FontCount(), 7) << "each load adds its list font";
    EXPECT_EQ(m_frame.m_characterItems[15]->m_font, 6);
    const auto count = [&] { return std::count_if(page.m_controls.begin(), page.m_controls.end(),
                                                   [](const auto& c) { return c && c->m_id == 3; }); };
    EXPECT_EQ(count(), 16);

    const std::array<CRVDXGUIControl*, 16> before = m_frame.m_characterItems;
    CharacterControl(54)->m_text = L"123"; // an edit not collected yet
    CFixtureOptions broken = MakeFixtureOptions(304);
    broken.m_missingCompanion = 4;
    const std::filesystem::path path = m_path;
    CFixtureSave refused = BuildFixtureSave(broken);
    WriteBytes(m_folder / u8"broken.sav", refused.m_bytes);
    EXPECT_FALSE(TheDocument().LoadSaveFile(m_folder / u8"broken.sav"));
    EXPECT_EQ(m_host.m_messages.back(), L"该存档NPC人物容貌被改动，无法继续。请关注更新。");
    EXPECT_EQ(m_frame.m_characterItems, before);
    EXPECT_EQ(count(), 16);
    EXPECT_EQ(TextOf(CharacterControl(54)), L"123");
    EXPECT_EQ(TheDocument().m_path, path);
}

TEST_F(EditorTest, CommandsChangePagesSelectCharactersAndOpenWebPages)
{
    s_opened.clear();
    const WebPageOpener previous = SetWebPageOpener(RecordAddress);
    LoadFixture(MakeFixtureOptions(305));
    CSaveDocument& document = TheDocument();
    CRVDXGUIControl& any = *m_frame.m_commonGui.m_controls[0];

    m_frame.OnGuiEvent(7, GUI_EVENT_HOVER, any);
    m_frame.OnGuiEvent(14, GUI_EVENT_CLICK, any);
    EXPECT_EQ(m_frame.m_page, 0) << "only clicks on command ids do anything";
    m_frame.OnGuiEvent(7, GUI_EVENT_CLICK, any);
    EXPECT_EQ(m_frame.m_page, 1);

    // Selecting a companion stores the edits of the player first; selecting back shows them.
    CharacterControl(54)->m_text = L"0088";
    m_frame.OnGuiEvent(3, GUI_EVENT_CLICK, *m_frame.m_characterItems[5]);
    EXPECT_EQ(document.m_current, &document.m_companions[5]);
    EXPECT_EQ(document.m_player.m_strength, 88);
    EXPECT_EQ(TextOf(CharacterControl(54)), FormatInt(document.m_companions[5].m_strength));
    EXPECT_EQ(TextOf(CharacterControl(1)), document.m_companions[5].m_name);
    m_frame.OnGuiEvent(3, GUI_EVENT_CLICK, *m_frame.m_characterItems[0]);
    EXPECT_EQ(TextOf(CharacterControl(54)), L"88") << "shown again, normalised";
    m_frame.OnGuiEvent(3, GUI_EVENT_CLICK, any); // not a list label: collects, selects nothing
    EXPECT_EQ(document.m_current, &document.m_player);

    m_frame.OnGuiEvent(13, GUI_EVENT_CLICK, any);
    EXPECT_EQ(m_frame.m_page, 0);
    m_frame.OnGuiEvent(12, GUI_EVENT_CLICK, any);
    EXPECT_EQ(m_frame.m_page, 2);
    m_frame.OnGuiEvent(11, GUI_EVENT_CLICK, any); // the logo, from the items page too
    m_frame.OnGuiEvent(5, GUI_EVENT_CLICK, any);
    m_frame.OnGuiEvent(6, GUI_EVENT_CLICK, any);
    EXPECT_EQ(m_frame.m_page, 2);
    ASSERT_EQ(s_opened.size(), 3u);
    EXPECT_EQ(s_opened[0], s_opened[1]);
    EXPECT_EQ(s_opened[0].rfind("https://", 0), 0u);
    EXPECT_NE(s_opened[2].find("/viewthread.php?tid=175687"), std::string::npos);
    SetWebPageOpener(previous);

    m_frame.OnGuiEvent(8, GUI_EVENT_CLICK, any);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(EditorTest, SavingCollectsWritesAndAnnouncesIt)
{
    LoadFixture(MakeFixtureOptions(306));
    CharacterControl(54)->m_text = L"66";
    m_frame.OnGuiEvent(9, GUI_EVENT_CLICK, *m_frame.m_saveButton);
    const std::vector<uint8_t> saved = ReadBytes(m_path);
    EXPECT_EQ(GetInt32(saved, size_t(TheDocument().m_player.m_offset)), 66);
    ASSERT_EQ(m_frame.m_commonGui.m_notices.size(), 1u);
    EXPECT_EQ(m_frame.m_commonGui.m_notices[0].m_text, L"成功保存...");
    EXPECT_EQ(m_frame.m_commonGui.m_notices[0].m_color, 0xFFFFFFFFu);
    EXPECT_EQ(m_frame.m_commonGui.m_notices[0].m_y, 600);
    EXPECT_TRUE(std::filesystem::exists(m_folder / u8"editor.sav.bak"));

    wchar_t pane[MAX_PATH * 2] = {};
    SendMessageW(m_frame.m_statusBar.GetSafeHwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(pane));
    EXPECT_EQ(std::wstring(pane), m_path.wstring()) << "the status bar shows the save being edited";
}

TEST_F(EditorTest, KeysChangePagesOnlyWithASaveAndNoFocusedBox)
{
    SendToView(WM_KEYDOWN, 'C');
    SendToView(WM_KEYDOWN, 'I');
    EXPECT_EQ(m_frame.m_page, 0) << "no save loaded";
    SendToView(WM_KEYDOWN, VK_F12); // nothing to save: nothing happens
    EXPECT_TRUE(m_host.m_messages.empty());

    LoadFixture(MakeFixtureOptions(307));
    SendToView(WM_KEYDOWN, 'C');
    EXPECT_EQ(m_frame.m_page, 1);
    CharacterControl(56)->m_text = L"31";
    SendToView(WM_KEYDOWN, 'I');
    EXPECT_EQ(m_frame.m_page, 2);
    EXPECT_EQ(TheDocument().m_player.m_intelligence, 31) << "collected before the change";
    SendToView(WM_KEYDOWN, 'C');
    EXPECT_EQ(m_frame.m_page, 1);

    // With a box focused, C is a letter (refused by a number box) and Esc still leaves.
    ClickControl(*CharacterControl(56));
    ASSERT_TRUE(m_frame.m_textEntry);
    SendToView(WM_KEYDOWN, 'I');
    SendToView(WM_CHAR, 'i');
    SendToView(WM_CHAR, '5');
    RunFrames();
    EXPECT_EQ(m_frame.m_page, 1);
    EXPECT_EQ(TextOf(CharacterControl(56)), L"315");
    SendToView(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(m_frame.m_page, 0);
    EXPECT_EQ(TheDocument().m_player.m_intelligence, 315);

    SendToView(WM_KEYDOWN, VK_F12);
    EXPECT_EQ(GetInt32(ReadBytes(m_path), size_t(TheDocument().m_player.m_offset) + 0), TheDocument().m_player.m_strength);
    EXPECT_EQ(m_frame.m_commonGui.m_notices.size(), 1u);
}

TEST_F(EditorTest, AQuickClickAndAWholePhraseBetweenTwoFramesStillArrive)
{
    LoadFixture(MakeFixtureOptions(308));
    RunFrames();
    // Down and up before any frame: still a click on "修改人物".
    const RECT& r = m_frame.m_editCharacterButton->m_rect;
    const LPARAM position = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendToView(WM_LBUTTONDOWN, MK_LBUTTON, position);
    SendToView(WM_LBUTTONUP, 0, position);
    RunFrames(2);
    EXPECT_EQ(m_frame.m_page, 1);

    // An input method commits a phrase: every character reaches the name box, in order; control
    // characters never do, and what no box takes is gone after the frame.
    ClickControl(*CharacterControl(1));
    CharacterControl(1)->m_text.clear();
    for (wchar_t ch : std::wstring(L"李\x1b逍\t遥"))
    {
        SendToView(WM_CHAR, ch);
    }
    RunFrames();
    EXPECT_EQ(TextOf(CharacterControl(1)), L"李逍遥");
    ClickAt(700, 400); // nowhere: the focus leaves the box
    RunFrames();
    ASSERT_FALSE(m_frame.m_textEntry);
    SendToView(WM_CHAR, 'x');
    ClickControl(*CharacterControl(54));
    RunFrames();
    EXPECT_EQ(TextOf(CharacterControl(54)).find(L'x'), std::wstring::npos);
    EXPECT_TRUE(m_frame.m_typedText.empty());
}

TEST_F(EditorTest, ADroppedFileOpensAsIfChosenInTheOpenDialog)
{
    const CFixtureSave save = BuildFixtureSave(MakeFixtureOptions(309));
    const std::filesystem::path path = m_folder / u8"拖放 存档.sav";
    WriteBytes(path, save.m_bytes);
    PostMessageW(m_frame.GetSafeHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path.wstring())), 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        DispatchMessageW(&message);
    }
    EXPECT_EQ(TheDocument().m_path, path);
    EXPECT_NE(m_frame.m_characterItems[15], nullptr);

    const std::filesystem::path text = m_folder / u8"notes.txt";
    WriteBytes(text, {'h', 'i'});
    SendMessageW(m_frame.GetSafeHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(text.wstring())), 0);
    EXPECT_EQ(m_host.m_messages.back(), L"此文件不是战团存档！");
    EXPECT_EQ(TheDocument().m_path, path) << "the save being edited stays";
}
