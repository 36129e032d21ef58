// CWin32SaveHost: IFileOpenDialog / IFileSaveDialog with the filter's entries; any failure of the
// dialog counts as cancelled (an empty path), so nothing is loaded or written.
#include "SaveHostWin32.h"

#include "ComRelease.h"
#include "FileFilter.h"
#include "FrameWndEx.h"
#include "ResString.h"
#include "WinAppEx.h"
#include "resource.h"

#include <shobjidl.h>

namespace
{
HWND GetOwnerWindow()
{
    CWinAppEx* app = CWinAppEx::GetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

std::filesystem::path GetChosenPath(IFileDialog* dialog)
{
    std::filesystem::path path;
    IShellItem* item = nullptr;
    if (SUCCEEDED(dialog->GetResult(&item)))
    {
        wchar_t* name = nullptr;
        if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &name)))
        {
            path = name;
            CoTaskMemFree(name);
        }
    }
    ReleaseCom(item);
    return path;
}
} // namespace

std::filesystem::path CWin32SaveHost::ChooseFile(FileDialogKind kind, std::wstring_view filter)
{
    IFileDialog* dialog = nullptr;
    const CLSID& type = kind == FileDialogKind::Open ? CLSID_FileOpenDialog : CLSID_FileSaveDialog;
    if (FAILED(CoCreateInstance(type, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog))))
    {
        return {};
    }
    std::vector<FileFilterEntry> entries = ParseFileFilter(filter);
    std::vector<COMDLG_FILTERSPEC> specs;
    for (const FileFilterEntry& entry : entries)
    {
        specs.push_back({entry.name.c_str(), entry.pattern.c_str()});
    }
    if (!specs.empty())
    {
        dialog->SetFileTypes(static_cast<UINT>(specs.size()), specs.data());
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    // Only real files; the Save dialog asks before replacing one.
    options |= FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST;
    options |= kind == FileDialogKind::Open ? FOS_FILEMUSTEXIST : FOS_OVERWRITEPROMPT;
    dialog->SetOptions(options);
    std::filesystem::path path;
    if (SUCCEEDED(dialog->Show(GetOwnerWindow())))
    {
        path = GetChosenPath(dialog);
    }
    ReleaseCom(dialog);
    return path;
}

namespace
{
int ShowMessageBox(std::wstring_view text, UINT buttons)
{
    const std::wstring message(text);
    return MessageBoxW(GetOwnerWindow(), message.c_str(), LoadResString(IDR_MAINFRAME).c_str(),
                       buttons | MB_ICONEXCLAMATION);
}
} // namespace

void CWin32SaveHost::ShowMessage(std::wstring_view text)
{
    ShowMessageBox(text, MB_OK);
}

bool CWin32SaveHost::AskYesNo(std::wstring_view text)
{
    return ShowMessageBox(text, MB_YESNO | MB_DEFBUTTON2) == IDYES;
}
