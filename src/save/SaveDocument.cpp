// Loading a save (checks, name, header flag, player and companion location), encoding it back
// and saving it atomically. File access is in FileIo; the record layout in CharacterRecord.
#include "SaveDocument.h"

#include <algorithm>
#include <utility>

#include "ByteSearch.h"
#include "Companions.h"
#include "FileIo.h"
#include "Utf8.h"

namespace
{
constexpr std::wstring_view MESSAGE_NOT_A_SAVE = L"此文件不是战团存档！";
constexpr std::wstring_view MESSAGE_NAME_TOO_LONG = L"您取的角色名比作者预料中的长...读档失败！";
constexpr std::wstring_view MESSAGE_FACE_CHANGED = L"该存档NPC人物容貌被改动，无法继续。请关注更新。";
constexpr std::wstring_view MESSAGE_DAMAGED = L"存档文件已损坏，无法读取。";
constexpr std::wstring_view MESSAGE_UNREADABLE = L"无法读取该文件。";
constexpr std::wstring_view MESSAGE_TOO_LARGE = L"该文件超过 2 GB，不是可以读取的存档。";
constexpr std::wstring_view MESSAGE_SAVE_FAILED = L"保存失败：无法写入文件。";

constexpr std::string_view MAGIC = "WRDRn";
constexpr int32_t NAME_SCAN_START = 16;
constexpr int32_t NAME_GAP = 3;           // the name starts three bytes after the first zero
constexpr int32_t NAME_SPAN_MAX = 63;
constexpr int32_t FLAG_DISTANCE = 19;     // flag byte after the zero that ends the name span
constexpr int32_t PLAYER_DISTANCE = 1320; // player's record after the marker's end

// Six times FF FF FF FF 00 00 00 00.
std::vector<uint8_t> RecordMarker()
{
    std::vector<uint8_t> marker;
    for (int unit = 0; unit < 6; ++unit)
    {
        marker.insert(marker.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00});
    }
    return marker;
}

// Position of the first zero byte at or after `from`, or -1.
int64_t FindZero(const std::vector<uint8_t>& data, int64_t from)
{
    if (from >= int64_t(data.size()))
    {
        return -1;
    }
    const auto at = std::find(data.begin() + from, data.end(), uint8_t(0));
    return at == data.end() ? -1 : at - data.begin();
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

void CSaveDocument::LoadSaveFile(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    const FileReadStatus status = ReadWholeFile(path, bytes);
    if (status != FileReadStatus::Ok)
    {
        // Nothing of the unread file may stay behind for a later save to write out.
        m_data.clear();
        m_size = 0;
        RefuseLoad(status == FileReadStatus::TooLarge ? MESSAGE_TOO_LARGE : MESSAGE_UNREADABLE);
        return;
    }
    LoadSaveBytes(path, std::move(bytes));
}

void CSaveDocument::LoadSaveBytes(const std::filesystem::path& path, std::vector<uint8_t> bytes)
{
    if (bytes.size() > size_t(INT32_MAX))
    {
        RefuseLoad(MESSAGE_TOO_LARGE);
        return;
    }
    m_path = path;
    m_data = std::move(bytes);
    m_size = int32_t(m_data.size());
    if (!LocatePlayer())
    {
        return;
    }
    const int32_t start = DecodeCharacter(m_data, m_player);
    if (m_screen != nullptr)
    {
        m_screen->OnCharacterListReset();
        m_screen->OnCharacterLocated(0, m_player);
    }
    if (LocateCompanions(start) && m_screen != nullptr)
    {
        m_screen->OnSaveLoaded();
    }
}

// Magic, marker, name and header flag; on success m_player's offset is set and its record fits.
bool CSaveDocument::LocatePlayer()
{
    if (m_data.size() < MAGIC.size() || !std::equal(MAGIC.begin(), MAGIC.end(), m_data.begin()))
    {
        RefuseLoad(MESSAGE_NOT_A_SAVE);
        return false;
    }
    const int32_t marker = FindFirstOfEach(m_data, std::array{RecordMarker()}, 0)[0];
    if (marker < 0)
    {
        RefuseLoad(MESSAGE_NOT_A_SAVE);
        return false;
    }

    const int64_t zero = FindZero(m_data, NAME_SCAN_START);
    const int64_t nameStart = zero + NAME_GAP;
    const int64_t nameEnd = zero < 0 ? -1 : FindZero(m_data, nameStart);
    if (nameEnd < 0)
    {
        RefuseLoad(MESSAGE_DAMAGED);
        return false;
    }
    if (nameEnd - nameStart > NAME_SPAN_MAX)
    {
        RefuseLoad(MESSAGE_NAME_TOO_LONG);
        return false;
    }
    const int64_t flagOffset = nameEnd + FLAG_DISTANCE;
    const int64_t playerOffset = int64_t(marker) + PLAYER_DISTANCE;
    if (flagOffset >= m_size || !RecordFits(playerOffset, m_data.size()))
    {
        RefuseLoad(MESSAGE_DAMAGED);
        return false;
    }

    // The span's last byte is not part of the name.
    const int64_t nameLength = std::max<int64_t>(nameEnd - nameStart - 1, 0);
    std::wstring name = DecodeUtf8({reinterpret_cast<const char*>(m_data.data() + nameStart), size_t(nameLength)});
    std::erase(name, L' ');
    m_player.m_name = std::move(name);
    m_flagOffset = int32_t(flagOffset);
    m_headerFlag = m_data[flagOffset] == 0;
    m_player.m_offset = int32_t(playerOffset);
    return true;
}

// All fifteen faces are searched from the same start, so one pass gives every first occurrence.
bool CSaveDocument::LocateCompanions(int32_t start)
{
    std::vector<std::vector<uint8_t>> faces;
    for (const CCompanionEntry& companion : COMPANIONS)
    {
        faces.push_back(HexToBytes(companion.m_face));
    }
    const std::vector<int32_t> found = FindFirstOfEach(m_data, faces, start);

    m_companionCount = COMPANION_COUNT;
    for (int position = 1; position <= COMPANION_COUNT; ++position)
    {
        CCharacterRecord& companion = m_companions[position];
        companion.m_name = COMPANIONS[position - 1].m_name;
        if (found[position - 1] < 0)
        {
            // Records that were not located in this file must never be encoded into it.
            RefuseLoad(MESSAGE_FACE_CHANGED);
            return false;
        }
        companion.m_offset = found[position - 1] - RECORD_FACE_END;
        if (DecodeCharacter(m_data, companion) < 0)
        {
            RefuseLoad(MESSAGE_DAMAGED);
            return false;
        }
        if (m_screen != nullptr)
        {
            m_screen->OnCharacterLocated(position, companion);
        }
    }
    return true;
}

void CSaveDocument::RefuseLoad(std::wstring_view message)
{
    m_path.clear();
    ShowMessage(message);
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
        WriteSave();
    }
}

bool CSaveDocument::WriteSave()
{
    if (m_screen != nullptr)
    {
        m_screen->OnBeforeSave();
    }
    EncodeSave();
    if (!WriteFileAtomically(m_path, m_data))
    {
        ShowMessage(MESSAGE_SAVE_FAILED);
        return false;
    }
    if (m_screen != nullptr)
    {
        m_screen->OnSaveWritten();
    }
    return true;
}

void CSaveDocument::SaveDocumentAs()
{
    if (!IsLoaded() || m_host == nullptr)
    {
        return;
    }
    const std::filesystem::path path = m_host->ChooseFile(FileDialogKind::Save, SAVE_FILE_FILTER);
    if (path.empty())
    {
        return;
    }
    // A path that could not be written is not adopted: Save keeps writing where it did before.
    std::filesystem::path previous = std::exchange(m_path, path);
    if (!WriteSave())
    {
        m_path = std::move(previous);
    }
}
