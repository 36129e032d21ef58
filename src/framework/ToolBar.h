// CMFCToolBar: a common-control toolbar built from a toolbar layout resource and its bitmap, with
// tooltips from the string table, a customise button at its end, and the notifications that the
// common controls' own customisation dialog needs. Its buttons send WM_COMMAND to the frame.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

class CMFCToolBar
{
public:
    CMFCToolBar() = default;
    CMFCToolBar(const CMFCToolBar&) = delete;
    CMFCToolBar& operator=(const CMFCToolBar&) = delete;
    ~CMFCToolBar();

    bool Create(HWND frame, UINT id);
    // Loads the button layout (resource type RT_TOOLBAR) and the bitmap of the same id; the
    // bitmap's magenta pixels are transparent.
    bool LoadToolBar(UINT resourceId);
    void SetWindowText(const std::wstring& title);
    // Adds a drop-down button at the end whose menu has one item: text, sending command.
    void EnableCustomizeButton(UINT command, const std::wstring& text);
    // Runs the common controls' customisation dialog (modal to the frame).
    void Customize();

    // Handles a notification of the toolbar or its tooltips; false when it is not one of them.
    bool OnNotify(NMHDR& header, LRESULT& result);

    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    void AddButtons(const std::vector<TBBUTTON>& buttons);
    void ResetButtons();
    LRESULT OnGetDispInfo(NMTTDISPINFOW& info);
    LRESULT OnGetButtonInfo(NMTOOLBARW& info);
    LRESULT OnDropDown(NMTOOLBARW& info);
    const std::wstring& LoadTip(UINT command);

    HWND m_hWnd = nullptr;
    HWND m_frame = nullptr;
    HIMAGELIST m_images = nullptr;
    std::vector<TBBUTTON> m_buttons; // the layout of the resource, for reset and the customise list
    TBBUTTON m_customizeButton{};
    std::wstring m_customizeText;
    std::wstring m_tip; // storage of the last tooltip text handed out
};
