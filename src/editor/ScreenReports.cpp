// The editor screen's side of the save document's reports: the character list rebuilt on each
// load, the values shown once a load is through, the edits collected before a save, the notice
// after it, and the loaded file's path in the status bar.
#include "MainFrame.h"

#include "ScreenIds.h"
#include "TheDocument.h"

namespace
{
constexpr int LIST_LEFT = 575;
constexpr int LIST_RIGHT = 767;
constexpr int LIST_TOP = 287;
constexpr int LIST_ROW_HEIGHT = 15;
constexpr D3DCOLOR LIST_COLOR = 0xFF5B3E27;
constexpr D3DCOLOR LIST_HOVER_COLOR = 0xFFD6301B;
constexpr D3DCOLOR SAVED_NOTICE_COLOR = 0xFFFFFFFF;
} // namespace

void CMainFrame::OnCharacterListReset()
{
    m_characterPageGui.ClearListLabels();
    m_characterItems.fill(nullptr);
    // Each load adds its own list font; without a device there is none and no label is made.
    m_listFont = -1;
    m_characterPageGui.AddFont(L"楷体", 15, m_listFont);
}

void CMainFrame::OnCharacterLocated(int position, CCharacterRecord& record)
{
    if (position < 0 || position >= int(m_characterItems.size()))
    {
        return;
    }
    const int top = LIST_TOP + LIST_ROW_HEIGHT * position;
    m_characterPageGui.AddLabel(SCREEN_ID_LIST_LABEL, record.m_name.c_str(),
                                RECT{LIST_LEFT, top, LIST_RIGHT, top + LIST_ROW_HEIGHT}, LIST_COLOR, m_listFont,
                                LIST_HOVER_COLOR, LIST_COLOR, false, &m_characterItems[size_t(position)]);
}

void CMainFrame::OnSaveLoaded()
{
    ExchangeCharacter(false);
    ShowStatusMessage(TheDocument().m_path.wstring());
}

void CMainFrame::OnBeforeSave()
{
    ExchangeCharacter(true);
}

void CMainFrame::OnSaveWritten()
{
    m_commonGui.AddNotice(L"成功保存...", SAVED_NOTICE_COLOR);
    ShowStatusMessage(TheDocument().m_path.wstring());
}
