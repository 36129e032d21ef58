// qm-window-probe: looks at the running program's windows from outside, for the window tests.
// Prints what it finds as UTF-8 lines "key=value"; it never changes the program except where a
// command says so (hide-show, command). Usage: qm-window-probe COMMAND [ARGS...]
//   wait TITLE MS        wait until a top-level window with this caption exists
//   gone TITLE MS        wait until it no longer exists
//   wait-dialog TITLE MS, gone-dialog TITLE MS
//                        the same for a dialog or message box only (the main window's caption
//                        is the program's title too)
//   frame                geometry, styles, menu and panes of the main window
//   menu EXE             the items of menu 128 in that program's resources (menus of another
//                        process cannot be read under Wine)
//   dialog TITLE         the controls of a dialog or message box: class, id and text per line
//   hide-show            hides the main window and shows it again
//   command ID           sends WM_COMMAND ID to the main window
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
constexpr wchar_t MAIN_TITLE[] = L"Quillmark";
constexpr int POLL_MS = 50;

void Print(const std::wstring& line)
{
    std::wstring text = line + L"\n";
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
}

std::wstring RectText(const RECT& r)
{
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    // WM_GETTEXT crosses processes; GetWindowTextW does not for controls of another process.
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return std::wstring(text, length < 512 ? length : 511);
}

std::wstring ClassText(HWND window)
{
    wchar_t name[128] = L"";
    GetClassNameW(window, name, sizeof name / sizeof name[0]);
    return name;
}

constexpr const wchar_t* DIALOG_CLASS = L"#32770";

// className null: any window with the caption.
bool WaitFor(const wchar_t* className, const wchar_t* title, int ms, bool present)
{
    for (int waited = 0; waited <= ms; waited += POLL_MS)
    {
        if ((FindWindowW(className, title) != nullptr) == present)
        {
            return true;
        }
        Sleep(POLL_MS);
    }
    return false;
}

void PrintMenu(HMENU menu, const std::wstring& prefix)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        wchar_t text[256] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, sizeof text / sizeof text[0], MF_BYPOSITION);
        HMENU sub = GetSubMenu(menu, i);
        std::wstring item = prefix + text;
        if (sub)
        {
            PrintMenu(sub, item + L"/");
        }
        else
        {
            Print(L"menu=" + item + L"=" + std::to_wstring(GetMenuItemID(menu, i)));
        }
    }
}

int ProbeFrame()
{
    HWND frame = FindWindowW(nullptr, MAIN_TITLE);
    if (!frame)
    {
        Print(L"error=no main window");
        return 1;
    }
    RECT rect;
    GetWindowRect(frame, &rect);
    LONG style = GetWindowLongW(frame, GWL_STYLE);
    Print(L"rect=" + RectText(rect));
    wchar_t caption[256] = L"";
    GetWindowTextW(frame, caption, sizeof caption / sizeof caption[0]);
    Print(L"caption=" + std::wstring(caption));
    Print(L"menu.present=" + std::to_wstring(GetMenu(frame) != nullptr));
    Print(L"minimizebox=" + std::to_wstring((style & WS_MINIMIZEBOX) != 0));
    Print(L"maximizebox=" + std::to_wstring((style & WS_MAXIMIZEBOX) != 0));
    Print(L"sizingborder=" + std::to_wstring((style & WS_THICKFRAME) != 0));
    const struct
    {
        const wchar_t* name;
        int id;
    } panes[] = {{L"toolbar", 59392}, {L"statusbar", 59393}, {L"view", 59648}};
    for (const auto& pane : panes)
    {
        HWND window = GetDlgItem(frame, pane.id);
        if (window)
        {
            GetWindowRect(window, &rect);
            Print(std::wstring(pane.name) + L"=" + RectText(rect));
            Print(std::wstring(pane.name) + L".class=" + ClassText(window));
            Print(std::wstring(pane.name) + L".text=" + WindowText(window));
        }
    }
    return 0;
}

int ProbeDialog(const wchar_t* title)
{
    HWND dialog = FindWindowW(DIALOG_CLASS, title);
    if (!dialog)
    {
        Print(L"error=no dialog");
        return 1;
    }
    RECT rect;
    GetWindowRect(dialog, &rect);
    Print(L"rect=" + RectText(rect));
    Print(L"owner=" + std::to_wstring(GetWindow(dialog, GW_OWNER) == FindWindowW(nullptr, MAIN_TITLE)));
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        Print(L"control=" + ClassText(child) + L"|" + std::to_wstring(GetDlgCtrlID(child)) + L"|" +
              WindowText(child));
    }
    return 0;
}

int ProbeMenuResource(const wchar_t* program)
{
    HMODULE module = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = module ? LoadMenuW(module, MAKEINTRESOURCEW(128)) : nullptr;
    if (!menu)
    {
        Print(L"error=no menu 128");
        return 1;
    }
    PrintMenu(menu, L"");
    DestroyMenu(menu);
    FreeLibrary(module);
    return 0;
}

int HideShow()
{
    HWND frame = FindWindowW(nullptr, MAIN_TITLE);
    if (!frame)
    {
        return 1;
    }
    ShowWindow(frame, SW_HIDE);
    ShowWindow(frame, SW_SHOW);
    return 0;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
    {
        return 2;
    }
    std::wstring command = argv[1];
    if ((command == L"wait" || command == L"gone" || command == L"wait-dialog" || command == L"gone-dialog") &&
        argc == 4)
    {
        const bool dialog = command.ends_with(L"-dialog");
        return WaitFor(dialog ? DIALOG_CLASS : nullptr, argv[2], _wtoi(argv[3]), command.starts_with(L"wait")) ? 0
                                                                                                                 : 1;
    }
    if (command == L"frame")
    {
        return ProbeFrame();
    }
    if (command == L"dialog" && argc == 3)
    {
        return ProbeDialog(argv[2]);
    }
    if (command == L"menu" && argc == 3)
    {
        return ProbeMenuResource(argv[2]);
    }
    if (command == L"hide-show")
    {
        return HideShow();
    }
    if (command == L"command" && argc == 3)
    {
        HWND frame = FindWindowW(nullptr, MAIN_TITLE);
        return frame && PostMessageW(frame, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[2])), 0) ? 0 : 1;
    }
    return 2;
}
