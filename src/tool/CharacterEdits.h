// The changes `quillmark-cli set` makes to one character and the header flag: parsed and checked
// from the command line's text before anything is loaded, then applied to the loaded records.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SaveDocument.h"

struct CCharacterEdits
{
    std::optional<int32_t> m_strength;
    std::optional<int32_t> m_agility;
    std::optional<int32_t> m_intelligence;
    std::optional<int32_t> m_charisma;
    std::optional<int32_t> m_attributePoints;
    std::optional<int32_t> m_skillPoints;
    std::optional<int32_t> m_weaponPoints;
    std::optional<int32_t> m_money;
    std::vector<std::pair<int, int32_t>> m_skills; // skill row, new level
    std::optional<bool> m_headerFlag;
};

// A whole decimal number within int32 ("-12", "+7"); nothing else.
std::optional<int32_t> ParseInt32(const std::string& text);

// "LABEL=N" with a label of the skill list and N in 0 .. 15; an error text when it is not.
std::optional<std::string> ParseSkillEdit(const std::string& text, std::pair<int, int32_t>& edit);

// The list position a --character value names: 0 .. 15, a companion's name, or the player's name
// (known only once loaded, so pass the loaded document or null); -1 when it names none.
int FindCharacter(const std::string& text, const CSaveDocument* document);

void ApplyEdits(const CCharacterEdits& edits, CCharacterRecord& record, CSaveDocument& document);
