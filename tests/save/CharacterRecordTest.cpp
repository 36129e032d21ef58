// Tests of DecodeCharacter and EncodeCharacter: offsets, the skill rows' slots, clamping,
// fields that must not be written, round trips and records that do not fit in the buffer.
#include <gtest/gtest.h>

#include <random>

#include "CharacterRecord.h"
#include "SaveTestSupport.h"
#include "SkillNames.h"

namespace
{
constexpr int32_t AT = 10; // record position inside the test buffers

void PutInt32(std::vector<uint8_t>& b, size_t at, int32_t value)
{
    for (int i = 0; i < 4; ++i)
    {
        b[at + i] = uint8_t(uint32_t(value) >> (8 * i));
    }
}


// Sets one four-bit skill slot of the record at AT.
void PutSlot(std::vector<uint8_t>& b, int slot, int value)
{
    uint8_t& byte = b[AT + 44 + slot / 2];
    byte = slot % 2 == 0 ? uint8_t((byte & 0xF0) | value) : uint8_t((byte & 0x0F) | value << 4);
}

std::vector<uint8_t> RandomBuffer(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> b(size);
    for (uint8_t& byte : b)
    {
        byte = uint8_t(random());
    }
    return b;
}

CCharacterRecord Decoded(const std::vector<uint8_t>& b)
{
    CCharacterRecord record;
    record.m_offset = AT;
    EXPECT_EQ(DecodeCharacter(b, record), AT + 1183);
    return record;
}
} // namespace

TEST(CharacterRecord, DecodesEachNumberAtItsOffset)
{
    std::vector<uint8_t> b(AT + 400, 0);
    const struct
    {
        int32_t offset;
        int32_t value;
        int32_t CCharacterRecord::*field;
    } rows[] = {
        {0, 17, &CCharacterRecord::m_strength},         {4, -5, &CCharacterRecord::m_agility},
        {8, 300000, &CCharacterRecord::m_intelligence}, {12, INT32_MIN, &CCharacterRecord::m_charisma},
        {288, 3, &CCharacterRecord::m_skillPoints},     {292, 4, &CCharacterRecord::m_attributePoints},
        {296, 55, &CCharacterRecord::m_weaponPoints},   {300, 31, &CCharacterRecord::m_level},
        {304, INT32_MAX, &CCharacterRecord::m_money},   {308, -1, &CCharacterRecord::m_experience},
    };
    for (const auto& row : rows)
    {
        PutInt32(b, AT + row.offset, row.value);
    }
    const CCharacterRecord record = Decoded(b);
    for (const auto& row : rows)
    {
        SCOPED_TRACE("offset +" + std::to_string(row.offset));
        EXPECT_EQ(record.*row.field, row.value);
    }
    EXPECT_EQ(record.m_offset, AT);
}

TEST(CharacterRecord, EachSkillRowReadsItsOwnSlot)
{
    const int otherSlots[18] = {3, 4, 5, 6, 18, 19, 20, 21, 28, 29, 30, 31, 32, 37, 38, 39, 40, 41};
    auto expectOnly = [](const CCharacterRecord& record, int row, int other)
    {
        for (int k = 0; k < 24; ++k)
        {
            EXPECT_EQ(record.m_skills[k], k == row ? 9 : 0) << "row " << k;
        }
        for (int k = 0; k < 18; ++k)
        {
            EXPECT_EQ(record.m_otherSkills[k], k == other ? 9 : 0) << "other " << k;
        }
    };
    for (int row = 0; row < 24; ++row)
    {
        SCOPED_TRACE(testing::Message() << "row " << row << " (slot " << TEST_ROW_SLOTS[row] << ")");
        std::vector<uint8_t> b(AT + 400, 0);
        PutSlot(b, TEST_ROW_SLOTS[row], 9);
        expectOnly(Decoded(b), row, -1);
    }
    for (int other = 0; other < 18; ++other)
    {
        SCOPED_TRACE(testing::Message() << "other " << other << " (slot " << otherSlots[other] << ")");
        std::vector<uint8_t> b(AT + 400, 0);
        PutSlot(b, otherSlots[other], 9);
        expectOnly(Decoded(b), -1, other);
    }
    EXPECT_EQ(SKILL_NAMES[0], L"刚体");
    EXPECT_EQ(SKILL_NAMES[15], L"物品管理");
    EXPECT_EQ(SKILL_NAMES[23], L"交涉");
}

TEST(CharacterRecord, SplitsASkillByteIntoItsTwoSlots)
{
    std::vector<uint8_t> b(AT + 400, 0);
    b[AT + 44] = 0xAB; // slot 0 (row 23) low, slot 1 (row 22) high
    const CCharacterRecord record = Decoded(b);
    EXPECT_EQ(record.m_skills[23], 11);
    EXPECT_EQ(record.m_skills[22], 10);
}

TEST(CharacterRecord, ClampsSkillLevelsAndKeepsTheOtherHalfOfTheByte)
{
    const struct
    {
        int32_t level;
        int saved;
    } rows[] = {{20, 15}, {16, 15}, {15, 15}, {7, 7}, {0, 0}, {-3, 0}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "level " << row.level);
        std::vector<uint8_t> b(AT + 400, 0);
        b[AT + 44] = 0x5A; // 统御 (row 22, high) 5, 交涉 (row 23, low) 10
        CCharacterRecord record = Decoded(b);
        record.m_skills[23] = row.level;
        EncodeCharacter(record, b);
        EXPECT_EQ(b[AT + 44] & 0x0F, row.saved);
        EXPECT_EQ(b[AT + 44] >> 4, 5);
    }
}

TEST(CharacterRecord, EncodeLeavesLevelNameAndOtherSkillsAsLoaded)
{
    std::vector<uint8_t> b = RandomBuffer(AT + 1200, 7);
    const std::vector<uint8_t> original = b;
    CCharacterRecord record = Decoded(b);
    record.m_level += 5;
    record.m_name = L"改名";
    record.m_skills.fill(3);
    EncodeCharacter(record, b);

    EXPECT_EQ(GetInt32(b, AT + 300), GetInt32(original, AT + 300));
    const CCharacterRecord reread = Decoded(b);
    EXPECT_EQ(reread.m_otherSkills, Decoded(original).m_otherSkills);
    for (int k = 0; k < 24; ++k)
    {
        EXPECT_EQ(reread.m_skills[k], 3);
    }
    // Only the record's named bytes may differ.
    for (size_t i = 0; i < b.size(); ++i)
    {
        const bool skillByte = i >= AT + 44 && i <= AT + 64;
        if (!skillByte)
        {
            ASSERT_EQ(b[i], original[i]) << "offset " << i;
        }
    }
}

TEST(CharacterRecord, WritesEditedNumbersAsTwosComplement)
{
    std::vector<uint8_t> b(AT + 400, 0);
    CCharacterRecord record = Decoded(b);
    record.m_strength = -1;
    record.m_money = INT32_MIN;
    record.m_weaponPoints = 123456789;
    EncodeCharacter(record, b);
    EXPECT_EQ(GetInt32(b, AT + 0), -1);
    EXPECT_EQ(GetInt32(b, AT + 304), INT32_MIN);
    EXPECT_EQ(GetInt32(b, AT + 296), 123456789);
}

TEST(CharacterRecord, DecodeThenEncodeReproducesTheBuffer)
{
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::vector<uint8_t> b = RandomBuffer(AT + 600, seed);
        const std::vector<uint8_t> original = b;
        EncodeCharacter(Decoded(b), b);
        EXPECT_EQ(b, original);
    }
}

TEST(CharacterRecord, RecordPastTheEndIsNeitherReadNorWritten)
{
    const std::vector<uint8_t> original = RandomBuffer(400, 3);
    const struct
    {
        int32_t offset;
        bool fits;
    } rows[] = {{400 - 312, true}, {400 - 311, false}, {399, false}, {-1, false}, {INT32_MAX - 10, false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "offset " << row.offset);
        std::vector<uint8_t> b = original;
        CCharacterRecord record;
        record.m_offset = row.offset;
        record.m_strength = 77;
        EXPECT_EQ(DecodeCharacter(b, record), row.fits ? row.offset + 1183 : -1);
        if (!row.fits)
        {
            EXPECT_EQ(record.m_strength, 77);
        }
        record.m_strength = 77;
        EncodeCharacter(record, b);
        EXPECT_EQ(b == original, !row.fits);
    }
}
