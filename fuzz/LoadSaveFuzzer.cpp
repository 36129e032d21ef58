// Fuzzer: loads arbitrary bytes as a save. Where the load succeeds it saves in memory twice:
// unchanged (every byte but a normalised flag byte must come back), then with every character
// edited (only the records' encoded fields and the flag byte may change, the size never).
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "SaveDocument.h"

namespace
{
// Whether offset i lies in a field that EncodeCharacter writes for the record at `at`.
bool IsEncodedField(int64_t i, int64_t at)
{
    const int64_t d = i - at;
    return (d >= 0 && d < 16) || (d >= 44 && d <= 64) || (d >= 288 && d < 300) || (d >= 304 && d < 312);
}

bool IsInAnyRecord(const CSaveDocument& document, int64_t i)
{
    if (IsEncodedField(i, document.m_player.m_offset))
    {
        return true;
    }
    for (int position = 1; position <= document.m_companionCount; ++position)
    {
        if (IsEncodedField(i, document.m_companions[size_t(position)].m_offset))
        {
            return true;
        }
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> input(data, data + size);
    CSaveDocument document;
    document.LoadSaveBytes("fuzz.sav", input);
    if (!document.IsLoaded())
    {
        return 0;
    }
    FUZZ_CHECK(document.m_companionCount == 15);
    FUZZ_CHECK(RecordFits(document.m_player.m_offset, input.size()));
    for (int position = 1; position <= document.m_companionCount; ++position)
    {
        FUZZ_CHECK(RecordFits(document.m_companions[size_t(position)].m_offset, input.size()));
    }
    FUZZ_CHECK(document.m_flagOffset >= 0 && size_t(document.m_flagOffset) < input.size());
    FUZZ_CHECK(document.m_headerFlag == (input[size_t(document.m_flagOffset)] == 0));

    const auto flag = size_t(document.m_flagOffset);
    document.EncodeSave();
    FUZZ_CHECK(document.m_data.size() == input.size() && document.m_size == int32_t(size));
    for (size_t i = 0; i < size; ++i)
    {
        // The flag byte is normalised unless a record's field lies over it and puts it back.
        const uint8_t normalised = input[flag] == 0 ? 0 : 1;
        FUZZ_CHECK(document.m_data[i] == input[i] || (i == flag && document.m_data[i] == normalised));
    }

    document.m_player.m_strength ^= 0x5A5A5A5A;
    document.m_player.m_level += 1;
    for (int position = 1; position <= document.m_companionCount; ++position)
    {
        CCharacterRecord& companion = document.m_companions[size_t(position)];
        companion.m_money = ~companion.m_money;
        companion.m_skills.fill(99);
        companion.m_name = L"x";
    }
    document.m_headerFlag = !document.m_headerFlag;
    document.EncodeSave();
    FUZZ_CHECK(document.m_data.size() == input.size());
    for (size_t i = 0; i < size; ++i)
    {
        FUZZ_CHECK(document.m_data[i] == input[i] || i == flag || IsInAnyRecord(document, int64_t(i)));
    }
    return 0;
}
