// One character's editable values and the position of its record in the save buffer, with the
// decoder and encoder that move them between the two. No file access and no search here.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

inline constexpr int32_t RECORD_SPAN = 312;          // bytes +0 .. +311 that one record needs
inline constexpr int32_t RECORD_FACE_END = 1187;     // a companion's face pattern ends here
inline constexpr int32_t RECORD_SEARCH_OFFSET = 1183; // companions are searched from here on
inline constexpr int SKILL_ROW_COUNT = 24;
inline constexpr int OTHER_SKILL_COUNT = 18;
inline constexpr int32_t SKILL_LEVEL_MAX = 15;

class CCharacterRecord
{
public:
    int32_t m_offset = 0;
    int32_t m_level = 0;
    int32_t m_money = 0;
    int32_t m_experience = 0;
    int32_t m_attributePoints = 0;
    int32_t m_skillPoints = 0;
    int32_t m_weaponPoints = 0;
    int32_t m_strength = 0;
    int32_t m_agility = 0;
    int32_t m_intelligence = 0;
    int32_t m_charisma = 0;
    std::array<int32_t, SKILL_ROW_COUNT> m_skills{};
    std::array<int32_t, OTHER_SKILL_COUNT> m_otherSkills{};
    std::wstring m_name;
};

// True when the record's bytes m_offset .. m_offset + 311 lie inside a buffer of `size` bytes.
bool RecordFits(int64_t offset, size_t size);

// Sets every numeric field except m_offset from the record's bytes; leaves m_name alone. Returns
// m_offset + 1183, or -1 without touching the record when its bytes do not fit in the buffer.
int32_t DecodeCharacter(std::span<const uint8_t> data, CCharacterRecord& record);

// Writes the values back in place (not the level, not the name). Skill levels are clamped to
// 0 .. 15. A record whose bytes do not fit in the buffer is not written at all.
void EncodeCharacter(const CCharacterRecord& record, std::span<uint8_t> data);
