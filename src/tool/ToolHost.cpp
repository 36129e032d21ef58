// CToolHost: dialogs answered from the command line, messages to stderr, reports recorded.
#include "ToolHost.h"

#include "Utf8.h"

std::filesystem::path CToolHost::ChooseFile(FileDialogKind kind, std::wstring_view)
{
    return kind == FileDialogKind::Open ? m_openPath : m_savePath;
}

void CToolHost::ShowMessage(std::wstring_view text)
{
    m_errors << EncodeUtf8(text) << '\n';
}

bool CToolHost::AskYesNo(std::wstring_view text)
{
    m_errors << EncodeUtf8(text) << "（否）\n";
    return false;
}

void CToolHost::OnCharacterListReset()
{
    m_located.clear();
    m_loaded = false;
}

void CToolHost::OnCharacterLocated(int position, CCharacterRecord&)
{
    m_located.push_back(position);
}

void CToolHost::OnSaveLoaded()
{
    m_loaded = true;
}

void CToolHost::OnSaveWritten()
{
    m_written = true;
}

std::filesystem::path PathFromUtf8(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
