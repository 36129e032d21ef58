// CWin32SaveHost: the save document's dialogs on Windows: the Vista-style Open and Save dialogs,
// modal to the main window, and the modal exclamation message box and Yes/No question titled with
// the program's title.
#pragma once

#include "SaveHost.h"

class CWin32SaveHost : public ISaveHost
{
public:
    std::filesystem::path ChooseFile(FileDialogKind kind, std::wstring_view filter) override;
    void ShowMessage(std::wstring_view text) override;
    bool AskYesNo(std::wstring_view text) override;
};
