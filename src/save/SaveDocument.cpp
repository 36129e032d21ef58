// The document's commands: loading a save all or nothing, encoding it back, and saving it
// atomically after the overwrite checks and the backup. The checks of a save are in SaveParse.
#include "SaveDocument.h"

#include <algorithm>
#include <utility>

#include "Companions.h"

namespace
{
constexpr std::wstring_view MESSAGE_UNREADABLE = L"无法读取该文件。";
constexpr std::wstring_view MESSAGE_SAVE_FAILED = L"保存失败：无法写入文件。";

std::wstring FileName(const std::filesystem::path& path)
{
    return path.filename().wstring();
}

std::filesystem::path BackupPath(const std::filesystem::path& path)
{
    std::filesystem::path backup = path;
    backup += L".bak";
    return backup;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return error ? a == b : same;
}
} // namespace

void CSaveDocument::LoadSave()
{
    if (m_host == nullptr)
    {
        return;
    }
    const std::filesystem::path path = m_host->ChooseFile(FileDialogKind::Open, SAVE_FILE_FILTER);
    if (!path.empty())
    {
        LoadSaveFile(path);
    }
}

bool CSaveDocument::LoadSaveFile(const std::filesystem::path& path)
{
    // Taken before reading, so that a write by the game during the read shows as a change later.
    const CFileStamp stamp = ReadFileStamp(path);
    std::vector<uint8_t> bytes;
    const FileReadStatus status = ReadWholeFile(path, bytes);
    if (status != FileReadStatus::Ok)
    {
        ShowMessage(status == FileReadStatus::TooLarge ? MESSAGE_TOO_LARGE : MESSAGE_UNREADABLE);
        return false;
    }
    return LoadSaveBytes(path, std::move(bytes), stamp);
}

bool CSaveDocument::LoadSaveBytes(const std::filesystem::path& path, std::vector<uint8_t> bytes,
                                  const CFileStamp& stamp)
{
    CParsedSave save;
    save.m_data = std::move(bytes);
    if (const std::wstring_view refusal = ParseSave(save); !refusal.empty())
    {
        ShowMessage(refusal);
        return false;
    }

    // The records are assigned, not replaced, so that m_current still points at its slot.
    m_path = path;
    m_data = std::move(save.m_data);
    m_size = int32_t(m_data.size());
    m_flagOffset = save.m_flagOffset;
    m_headerFlag = save.m_headerFlag;
    m_player = std::move(save.m_player);
    std::move(save.m_companions.begin(), save.m_companions.end(), m_companions.begin());
    m_companionCount = COMPANION_COUNT;
    m_savedStamp = stamp;
    m_backedUp.clear();

    if (m_screen != nullptr)
    {
        m_screen->OnCharacterListReset();
        m_screen->OnCharacterLocated(0, m_player);
        for (int position = 1; position <= m_companionCount; ++position)
        {
            m_screen->OnCharacterLocated(position, m_companions[position]);
        }
        m_screen->OnSaveLoaded();
    }
    return true;
}

void CSaveDocument::ShowMessage(std::wstring_view message)
{
    if (m_host != nullptr)
    {
        m_host->ShowMessage(message);
    }
}

void CSaveDocument::EncodeSave()
{
    if (m_flagOffset >= 0 && m_flagOffset < m_size)
    {
        m_data[m_flagOffset] = m_headerFlag ? 0 : 1;
    }
    EncodeCharacter(m_player, m_data);
    for (int position = 1; position <= m_companionCount; ++position)
    {
        EncodeCharacter(m_companions[position], m_data);
    }
}

void CSaveDocument::SaveDocument()
{
    if (IsLoaded())
    {
        WriteSave(m_path);
    }
}

void CSaveDocument::SaveDocumentAs()
{
    if (!IsLoaded() || m_host == nullptr)
    {
        return;
    }
    const std::filesystem::path path = m_host->ChooseFile(FileDialogKind::Save, SAVE_FILE_FILTER);
    if (!path.empty())
    {
        WriteSave(path);
    }
}

bool CSaveDocument::WriteSave(const std::filesystem::path& target)
{
    if (!MayOverwrite(target) || !BackUp(target))
    {
        return false;
    }
    if (m_screen != nullptr)
    {
        m_screen->OnBeforeSave();
    }
    EncodeSave();
    if (!WriteFileAtomically(target, m_data))
    {
        ShowMessage(MESSAGE_SAVE_FAILED);
        return false;
    }
    // A path that could not be written is never adopted: Save keeps writing where it did before.
    m_path = target;
    m_savedStamp = ReadFileStamp(target);
    if (m_screen != nullptr)
    {
        m_screen->OnSaveWritten();
    }
    return true;
}

// The loaded file changed on disk since this program read or wrote it, typically because the game
// saved again: overwriting it would lose that, so the user decides.
bool CSaveDocument::MayOverwrite(const std::filesystem::path& target)
{
    if (!SameFile(target, m_path) || !m_savedStamp.m_exists)
    {
        return true;
    }
    const CFileStamp now = ReadFileStamp(target);
    if (!now.m_exists || now == m_savedStamp)
    {
        return true;
    }
    const std::wstring question = L"存档“" + FileName(target) +
                                  L"”在载入之后已被其他程序修改（也许游戏又保存了一次）。覆盖它会丢失那些修改。仍然保存吗？";
    return m_host != nullptr && m_host->AskYesNo(question);
}

// The first overwrite of an existing file after a load keeps the file as it was in FILE.bak; a
// file that did not exist yet holds only what this program wrote, so it needs none.
bool CSaveDocument::BackUp(const std::filesystem::path& target)
{
    if (!m_makeBackups ||
        std::ranges::any_of(m_backedUp, [&](const std::filesystem::path& done) { return SameFile(done, target); }))
    {
        return true;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(target, error) && !CopyFileAtomically(target, BackupPath(target)))
    {
        ShowMessage(L"保存失败：无法创建备份文件“" + FileName(BackupPath(target)) + L"”，存档没有改动。");
        return false;
    }
    m_backedUp.push_back(target);
    return true;
}
