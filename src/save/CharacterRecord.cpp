// Decoding and encoding of one character record at its offset in the save buffer.
// The record's layout lives here only; the loader decides where records are.
#include "CharacterRecord.h"

#include <algorithm>

namespace
{
constexpr int32_t OFFSET_STRENGTH = 0;
constexpr int32_t OFFSET_AGILITY = 4;
constexpr int32_t OFFSET_INTELLIGENCE = 8;
constexpr int32_t OFFSET_CHARISMA = 12;
constexpr int32_t OFFSET_SKILLS = 44; // 21 bytes, two four-bit slots each
constexpr int32_t SKILL_SLOT_COUNT = 42;
constexpr int32_t OFFSET_SKILL_POINTS = 288;
constexpr int32_t OFFSET_ATTRIBUTE_POINTS = 292;
constexpr int32_t OFFSET_WEAPON_POINTS = 296;
constexpr int32_t OFFSET_LEVEL = 300;
constexpr int32_t OFFSET_MONEY = 304;
constexpr int32_t OFFSET_EXPERIENCE = 308;

// Skill slot behind each row of the editor's skill list, and the slots it never shows.
constexpr std::array<int, SKILL_ROW_COUNT> ROW_SLOTS = {36, 35, 34, 33, 27, 26, 25, 24, 23, 22, 17, 16,
                                                         15, 14, 13, 12, 11, 10, 9,  8,  7,  2,  1,  0};
constexpr std::array<int, OTHER_SKILL_COUNT> OTHER_SLOTS = {3,  4,  5,  6,  18, 19, 20, 21, 28,
                                                            29, 30, 31, 32, 37, 38, 39, 40, 41};

int32_t ReadInt32(const uint8_t* p)
{
    const uint32_t value = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return static_cast<int32_t>(value);
}

void WriteInt32(uint8_t* p, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    p[0] = uint8_t(bits);
    p[1] = uint8_t(bits >> 8);
    p[2] = uint8_t(bits >> 16);
    p[3] = uint8_t(bits >> 24);
}
} // namespace

bool RecordFits(int64_t offset, size_t size)
{
    return offset >= 0 && offset + RECORD_SPAN <= static_cast<int64_t>(size);
}

int32_t DecodeCharacter(std::span<const uint8_t> data, CCharacterRecord& record)
{
    if (!RecordFits(record.m_offset, data.size()))
    {
        return -1;
    }
    const uint8_t* p = data.data() + record.m_offset;
    record.m_strength = ReadInt32(p + OFFSET_STRENGTH);
    record.m_agility = ReadInt32(p + OFFSET_AGILITY);
    record.m_intelligence = ReadInt32(p + OFFSET_INTELLIGENCE);
    record.m_charisma = ReadInt32(p + OFFSET_CHARISMA);

    std::array<int32_t, SKILL_SLOT_COUNT> slots{};
    for (int32_t slot = 0; slot < SKILL_SLOT_COUNT; ++slot)
    {
        const uint8_t byte = p[OFFSET_SKILLS + slot / 2];
        slots[slot] = (slot % 2 == 0) ? (byte & 0x0F) : (byte >> 4);
    }
    for (int row = 0; row < SKILL_ROW_COUNT; ++row)
    {
        record.m_skills[row] = slots[ROW_SLOTS[row]];
    }
    for (int entry = 0; entry < OTHER_SKILL_COUNT; ++entry)
    {
        record.m_otherSkills[entry] = slots[OTHER_SLOTS[entry]];
    }

    record.m_skillPoints = ReadInt32(p + OFFSET_SKILL_POINTS);
    record.m_attributePoints = ReadInt32(p + OFFSET_ATTRIBUTE_POINTS);
    record.m_weaponPoints = ReadInt32(p + OFFSET_WEAPON_POINTS);
    record.m_level = ReadInt32(p + OFFSET_LEVEL);
    record.m_money = ReadInt32(p + OFFSET_MONEY);
    record.m_experience = ReadInt32(p + OFFSET_EXPERIENCE);
    return record.m_offset + RECORD_SEARCH_OFFSET;
}

void EncodeCharacter(const CCharacterRecord& record, std::span<uint8_t> data)
{
    if (!RecordFits(record.m_offset, data.size()))
    {
        return;
    }
    uint8_t* p = data.data() + record.m_offset;
    WriteInt32(p + OFFSET_STRENGTH, record.m_strength);
    WriteInt32(p + OFFSET_AGILITY, record.m_agility);
    WriteInt32(p + OFFSET_INTELLIGENCE, record.m_intelligence);
    WriteInt32(p + OFFSET_CHARISMA, record.m_charisma);

    // A level beyond the four bits is saved as the nearest level that fits, never as its low bits.
    std::array<int32_t, SKILL_SLOT_COUNT> slots{};
    for (int row = 0; row < SKILL_ROW_COUNT; ++row)
    {
        slots[ROW_SLOTS[row]] = std::clamp(record.m_skills[row], 0, SKILL_LEVEL_MAX);
    }
    for (int entry = 0; entry < OTHER_SKILL_COUNT; ++entry)
    {
        slots[OTHER_SLOTS[entry]] = std::clamp(record.m_otherSkills[entry], 0, SKILL_LEVEL_MAX);
    }
    for (int32_t byte = 0; byte < SKILL_SLOT_COUNT / 2; ++byte)
    {
        p[OFFSET_SKILLS + byte] = uint8_t(slots[2 * byte + 1] << 4 | slots[2 * byte]);
    }

    WriteInt32(p + OFFSET_SKILL_POINTS, record.m_skillPoints);
    WriteInt32(p + OFFSET_ATTRIBUTE_POINTS, record.m_attributePoints);
    WriteInt32(p + OFFSET_WEAPON_POINTS, record.m_weaponPoints);
    WriteInt32(p + OFFSET_MONEY, record.m_money);
    WriteInt32(p + OFFSET_EXPERIENCE, record.m_experience);
}
