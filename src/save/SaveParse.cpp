// The checks of a save file (magic, record marker, name, header flag) and the location of the
// player's and the companions' records in it.
#include "SaveParse.h"

#include <algorithm>

#include "ByteSearch.h"
#include "Companions.h"
#include "Utf8.h"

namespace
{
constexpr std::wstring_view MESSAGE_NOT_A_SAVE = L"此文件不是战团存档！";
constexpr std::wstring_view MESSAGE_NAME_TOO_LONG = L"您取的角色名比作者预料中的长...读档失败！";
constexpr std::wstring_view MESSAGE_FACE_CHANGED = L"该存档NPC人物容貌被改动，无法继续。请关注更新。";
constexpr std::wstring_view MESSAGE_DAMAGED = L"存档文件已损坏，无法读取。";

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

// Magic, marker, name and header flag; on success the player's offset is set and its record fits.
std::wstring_view LocatePlayer(CParsedSave& save)
{
    const std::vector<uint8_t>& data = save.m_data;
    if (data.size() < MAGIC.size() || !std::equal(MAGIC.begin(), MAGIC.end(), data.begin()))
    {
        return MESSAGE_NOT_A_SAVE;
    }
    const int32_t marker = FindFirstOfEach(data, std::array{RecordMarker()}, 0)[0];
    if (marker < 0)
    {
        return MESSAGE_NOT_A_SAVE;
    }

    const int64_t zero = FindZero(data, NAME_SCAN_START);
    const int64_t nameStart = zero + NAME_GAP;
    const int64_t nameEnd = zero < 0 ? -1 : FindZero(data, nameStart);
    if (nameEnd < 0)
    {
        return MESSAGE_DAMAGED;
    }
    if (nameEnd - nameStart > NAME_SPAN_MAX)
    {
        return MESSAGE_NAME_TOO_LONG;
    }
    const int64_t flagOffset = nameEnd + FLAG_DISTANCE;
    const int64_t playerOffset = int64_t(marker) + PLAYER_DISTANCE;
    if (flagOffset >= int64_t(data.size()) || !RecordFits(playerOffset, data.size()))
    {
        return MESSAGE_DAMAGED;
    }

    // The span's last byte is not part of the name.
    const int64_t nameLength = std::max<int64_t>(nameEnd - nameStart - 1, 0);
    std::wstring name = DecodeUtf8({reinterpret_cast<const char*>(data.data() + nameStart), size_t(nameLength)});
    std::erase(name, L' ');
    save.m_player.m_name = std::move(name);
    save.m_flagOffset = int32_t(flagOffset);
    save.m_headerFlag = data[flagOffset] == 0;
    save.m_player.m_offset = int32_t(playerOffset);
    return {};
}

// All fifteen faces are searched from the same start, so one pass gives every first occurrence.
std::wstring_view LocateCompanions(CParsedSave& save, int32_t start)
{
    std::vector<std::vector<uint8_t>> faces;
    for (const CCompanionEntry& companion : COMPANIONS)
    {
        faces.push_back(HexToBytes(companion.m_face));
    }
    const std::vector<int32_t> found = FindFirstOfEach(save.m_data, faces, start);

    for (int position = 1; position <= COMPANION_COUNT; ++position)
    {
        if (found[position - 1] < 0)
        {
            return MESSAGE_FACE_CHANGED;
        }
        CCharacterRecord& companion = save.m_companions[position];
        companion.m_name = COMPANIONS[position - 1].m_name;
        companion.m_offset = found[position - 1] - RECORD_FACE_END;
        if (DecodeCharacter(save.m_data, companion) < 0)
        {
            return MESSAGE_DAMAGED;
        }
    }
    return {};
}
} // namespace

std::wstring_view ParseSave(CParsedSave& save)
{
    if (save.m_data.size() > size_t(INT32_MAX))
    {
        return MESSAGE_TOO_LARGE;
    }
    if (const std::wstring_view refusal = LocatePlayer(save); !refusal.empty())
    {
        return refusal;
    }
    return LocateCompanions(save, DecodeCharacter(save.m_data, save.m_player));
}
