// CMFCToolBar: creation, layout loading, tooltips and the customisation notifications.
// The toolbar window itself is destroyed with the frame; the image list here.
#include "ToolBar.h"

#include "FrameworkIds.h"
#include "ResString.h"

namespace
{
constexpr COLORREF TRANSPARENT_KEY = RGB(255, 0, 255);

// The layout resource, in WORDs: version, button width, height, count, then one command per button.
enum LayoutWord
{
    LAYOUT_VERSION,
    LAYOUT_WIDTH,
    LAYOUT_HEIGHT,
    LAYOUT_COUNT,
    LAYOUT_COMMANDS
};
} // namespace

CMFCToolBar::~CMFCToolBar()
{
    if (m_images)
    {
        ImageList_Destroy(m_images);
        m_images = nullptr;
    }
}

bool CMFCToolBar::Create(HWND frame, UINT id)
{
    m_frame = frame;
    DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_ADJUSTABLE;
    m_hWnd = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (!m_hWnd)
    {
        return false;
    }
    SendMessageW(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_hWnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    return true;
}

bool CMFCToolBar::LoadToolBar(UINT resourceId)
{
    HINSTANCE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(RT_TOOLBAR));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* layout = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(module, found) : 0;
    if (!layout || size < 2 * LAYOUT_COMMANDS || layout[LAYOUT_VERSION] != 1 ||
        size < 2u * (LAYOUT_COMMANDS + layout[LAYOUT_COUNT]))
    {
        return false;
    }
    const WORD width = layout[LAYOUT_WIDTH];
    const WORD height = layout[LAYOUT_HEIGHT];
    const WORD count = layout[LAYOUT_COUNT];
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
    {
        return false;
    }
    m_images = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (m_images)
    {
        ImageList_AddMasked(m_images, bitmap, TRANSPARENT_KEY);
    }
    DeleteObject(bitmap);
    if (!m_images)
    {
        return false;
    }
    SendMessageW(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(width, height));
    SendMessageW(m_hWnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));

    int image = 0;
    for (WORD i = 0; i < count; ++i)
    {
        TBBUTTON button{};
        button.idCommand = layout[LAYOUT_COMMANDS + i];
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = button.idCommand == 0 ? BTNS_SEP : BTNS_BUTTON;
        button.iBitmap = button.idCommand == 0 ? 0 : image++;
        button.iString = -1;
        m_buttons.push_back(button);
    }
    AddButtons(m_buttons);
    return true;
}

void CMFCToolBar::SetWindowText(const std::wstring& title)
{
    ::SetWindowTextW(m_hWnd, title.c_str());
}

void CMFCToolBar::EnableCustomizeButton(UINT command, const std::wstring& text)
{
    m_customizeText = text;
    m_customizeButton = TBBUTTON{};
    m_customizeButton.iBitmap = I_IMAGENONE;
    m_customizeButton.idCommand = static_cast<int>(command);
    m_customizeButton.fsState = TBSTATE_ENABLED;
    m_customizeButton.fsStyle = BTNS_WHOLEDROPDOWN;
    m_customizeButton.iString = -1;
    SendMessageW(m_hWnd, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&m_customizeButton));
    SendMessageW(m_hWnd, TB_AUTOSIZE, 0, 0);
}

void CMFCToolBar::Customize()
{
    SendMessageW(m_hWnd, TB_CUSTOMIZE, 0, 0);
}

bool CMFCToolBar::OnNotify(NMHDR& header, LRESULT& result)
{
    HWND tips = reinterpret_cast<HWND>(SendMessageW(m_hWnd, TB_GETTOOLTIPS, 0, 0));
    if (!m_hWnd || (header.hwndFrom != m_hWnd && header.hwndFrom != tips))
    {
        return false;
    }
    switch (header.code)
    {
    case TTN_GETDISPINFOW: result = OnGetDispInfo(reinterpret_cast<NMTTDISPINFOW&>(header)); return true;
    case TBN_GETBUTTONINFOW: result = OnGetButtonInfo(reinterpret_cast<NMTOOLBARW&>(header)); return true;
    case TBN_DROPDOWN: result = OnDropDown(reinterpret_cast<NMTOOLBARW&>(header)); return true;
    case TBN_QUERYINSERT: result = TRUE; return true;
    case TBN_QUERYDELETE: result = TRUE; return true;
    case TBN_INITCUSTOMIZE: result = TBNRF_HIDEHELP; return true;
    case TBN_RESET:
        ResetButtons();
        result = 0;
        return true;
    }
    return false;
}

void CMFCToolBar::AddButtons(const std::vector<TBBUTTON>& buttons)
{
    SendMessageW(m_hWnd, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(m_hWnd, TB_AUTOSIZE, 0, 0);
}

void CMFCToolBar::ResetButtons()
{
    while (SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0) > 0)
    {
        SendMessageW(m_hWnd, TB_DELETEBUTTON, 0, 0);
    }
    AddButtons(m_buttons);
    if (!m_customizeText.empty())
    {
        SendMessageW(m_hWnd, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&m_customizeButton));
    }
}

LRESULT CMFCToolBar::OnGetDispInfo(NMTTDISPINFOW& info)
{
    UINT command = static_cast<UINT>(info.hdr.idFrom);
    info.lpszText = const_cast<wchar_t*>(command == static_cast<UINT>(m_customizeButton.idCommand)
                                             ? m_customizeText.c_str()
                                             : LoadTip(command).c_str());
    info.hinst = nullptr;
    return 0;
}

LRESULT CMFCToolBar::OnGetButtonInfo(NMTOOLBARW& info)
{
    // The dialog asks for the buttons it may offer, by index, until it gets FALSE.
    if (info.iItem < 0 || static_cast<size_t>(info.iItem) >= m_buttons.size())
    {
        return FALSE;
    }
    info.tbButton = m_buttons[static_cast<size_t>(info.iItem)];
    if (info.pszText && info.cchText > 0)
    {
        lstrcpynW(info.pszText, LoadTip(static_cast<UINT>(info.tbButton.idCommand)).c_str(), info.cchText);
    }
    return TRUE;
}

LRESULT CMFCToolBar::OnDropDown(NMTOOLBARW& info)
{
    if (info.iItem != m_customizeButton.idCommand)
    {
        return TBDDRET_NODEFAULT;
    }
    RECT button;
    SendMessageW(m_hWnd, TB_GETRECT, static_cast<WPARAM>(info.iItem), reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    HMENU menu = CreatePopupMenu();
    if (menu)
    {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(m_customizeButton.idCommand),
                    m_customizeText.c_str());
        // The chosen item reaches the frame as an ordinary WM_COMMAND.
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, m_frame, nullptr);
        DestroyMenu(menu);
    }
    return TBDDRET_DEFAULT;
}

const std::wstring& CMFCToolBar::LoadTip(UINT command)
{
    m_tip = LoadResString(command);
    return m_tip;
}
