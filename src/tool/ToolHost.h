// The command-line tool's side of the save document: it answers the file dialogs with the paths
// given on the command line, prints messages on stderr as UTF-8 and records the document's reports.
#pragma once

#include <ostream>
#include <vector>

#include "SaveHost.h"

class CToolHost : public ISaveHost, public ISaveScreen
{
public:
    explicit CToolHost(std::ostream& errors) : m_errors(errors) {}

    std::filesystem::path ChooseFile(FileDialogKind kind, std::wstring_view filter) override;
    void ShowMessage(std::wstring_view text) override;
    // Nobody is there to answer: the question is printed and answered No.
    bool AskYesNo(std::wstring_view text) override;

    void OnCharacterListReset() override;
    void OnCharacterLocated(int position, CCharacterRecord& record) override;
    void OnSaveLoaded() override;
    void OnBeforeSave() override {}
    void OnSaveWritten() override;

    std::filesystem::path m_openPath;
    std::filesystem::path m_savePath;
    std::vector<int> m_located; // list positions in the order they were reported
    bool m_loaded = false;
    bool m_written = false;

private:
    std::ostream& m_errors;
};

// A path from a UTF-8 command-line argument (wide on Windows, the same bytes elsewhere).
std::filesystem::path PathFromUtf8(const std::string& text);
// A path as UTF-8 text for printing.
std::string PathToUtf8(const std::filesystem::path& path);
