// The narrow interfaces through which the save document reaches the user and the editor screen:
// file dialogs, message boxes and questions (ISaveHost), and the screen's side of the load and save reports.
#pragma once

#include <filesystem>
#include <string_view>

#include "CharacterRecord.h"

enum class FileDialogKind
{
    Open,
    Save
};

// Dialogs and message boxes: Win32 in the program, scripted fakes in tests, the command line in the tool.
class ISaveHost
{
public:
    virtual std::filesystem::path ChooseFile(FileDialogKind kind, std::wstring_view filter) = 0; // empty = cancelled
    virtual void ShowMessage(std::wstring_view text) = 0; // modal OK box, exclamation icon, app title
    // Modal Yes/No question, exclamation icon, app title, No as the default; true for Yes.
    virtual bool AskYesNo(std::wstring_view text) = 0;

protected:
    ~ISaveHost() = default;
};

// The editor screen's side of the reports.
class ISaveScreen
{
public:
    virtual void OnCharacterListReset() = 0;
    virtual void OnCharacterLocated(int position, CCharacterRecord& record) = 0;
    virtual void OnSaveLoaded() = 0;
    virtual void OnBeforeSave() = 0;
    virtual void OnSaveWritten() = 0;

protected:
    ~ISaveScreen() = default;
};
