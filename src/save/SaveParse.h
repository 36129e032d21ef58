// Checking a save's bytes and locating and decoding its characters, without touching the document:
// the document adopts a parsed save only when all of it succeeded.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CharacterRecord.h"

inline constexpr std::wstring_view MESSAGE_TOO_LARGE = L"该文件超过 2 GB，不是可以读取的存档。";
inline constexpr int COMPANION_SLOTS = 32; // list positions 1 .. 15 are used

struct CParsedSave
{
    std::vector<uint8_t> m_data;
    int32_t m_flagOffset = 0;
    bool m_headerFlag = false;
    CCharacterRecord m_player;
    std::array<CCharacterRecord, COMPANION_SLOTS> m_companions;
};

// Checks and decodes `save.m_data`; returns the message that refuses it, or an empty text.
std::wstring_view ParseSave(CParsedSave& save);
