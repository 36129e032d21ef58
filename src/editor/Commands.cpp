// CMainFrame::OnGuiEvent, the editor's command handler: clicks on the menu, the page buttons, the
// logo and the character list become load, save, save as, web pages, page changes, character
// selection and quit. Page changes and selection collect the edits first.
#include "MainFrame.h"

#include "ScreenIds.h"
#include "TheDocument.h"
#include "WebAddresses.h"
#include "WebPage.h"

#include <string>

namespace
{
const std::string FORUM_THREAD_URL = std::string(FORUM_HOST_URL) + "/viewthread.php?tid=175687";
} // namespace

void CMainFrame::OnGuiEvent(int id, int event, CRVDXGUIControl& control)
{
    if (event != GUI_EVENT_CLICK)
    {
        return;
    }
    CSaveDocument& document = TheDocument();
    switch (id)
    {
    case SCREEN_ID_LIST_LABEL: SelectCharacter(control); break;
    case SCREEN_ID_LOAD: document.LoadSave(); break;
    case SCREEN_ID_HOME_PAGE:
    case SCREEN_ID_LOGO: OpenWebPage(HOME_PAGE_URL); break;
    case SCREEN_ID_FORUM: OpenWebPage(FORUM_THREAD_URL.c_str()); break;
    case SCREEN_ID_EDIT_CHARACTER: GoToPage(PAGE_CHARACTER); break;
    case SCREEN_ID_QUIT: PostQuitMessage(0); break; // nothing is saved and nothing is asked
    case SCREEN_ID_SAVE: document.SaveDocument(); break;
    case SCREEN_ID_SAVE_AS: document.SaveDocumentAs(); break;
    case SCREEN_ID_EDIT_ITEMS: GoToPage(PAGE_ITEMS); break;
    case SCREEN_ID_DONE: GoToPage(PAGE_MAIN); break;
    }
}

void CMainFrame::GoToPage(int page)
{
    // Every page's controls show the current values already: collecting is all a change needs.
    if (m_page != page)
    {
        ExchangeCharacter(true);
        m_page = page;
    }
}

void CMainFrame::SelectCharacter(CRVDXGUIControl& label)
{
    ExchangeCharacter(true);
    CSaveDocument& document = TheDocument();
    for (int row = 0; row <= document.m_companionCount && row < int(m_characterItems.size()); ++row)
    {
        if (m_characterItems[size_t(row)] == &label)
        {
            document.m_current = row == 0 ? &document.m_player : &document.m_companions[size_t(row)];
            ExchangeCharacter(false);
            return;
        }
    }
}
