// Parsing and applying the set command's edits. Level and experience have no edit on purpose:
// the editor shows them read-only.
#include "CharacterEdits.h"

#include <charconv>

#include "Companions.h"
#include "SkillNames.h"
#include "Utf8.h"

std::optional<int32_t> ParseInt32(const std::string& text)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
    {
        ++first;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
    {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> ParseSkillEdit(const std::string& text, std::pair<int, int32_t>& edit)
{
    const size_t equals = text.find('=');
    if (equals == std::string::npos)
    {
        return "技能参数应写成 名称=等级：" + text;
    }
    const std::wstring label = DecodeUtf8(text.substr(0, equals));
    int row = 0;
    while (row < SKILL_ROW_COUNT && SKILL_NAMES[size_t(row)] != label)
    {
        ++row;
    }
    if (row == SKILL_ROW_COUNT)
    {
        return "没有这个技能：" + text.substr(0, equals);
    }
    const std::optional<int32_t> level = ParseInt32(text.substr(equals + 1));
    if (!level || *level < 0 || *level > SKILL_LEVEL_MAX)
    {
        return "技能等级必须是 0 到 15 之间的整数：" + text;
    }
    edit = {row, *level};
    return std::nullopt;
}

int FindCharacter(const std::string& text, const CSaveDocument* document)
{
    if (const std::optional<int32_t> index = ParseInt32(text))
    {
        return (*index >= 0 && *index <= COMPANION_COUNT) ? *index : -1;
    }
    const std::wstring name = DecodeUtf8(text);
    for (int position = 1; position <= COMPANION_COUNT; ++position)
    {
        if (COMPANIONS[size_t(position - 1)].m_name == name)
        {
            return position;
        }
    }
    return (document != nullptr && !name.empty() && document->m_player.m_name == name) ? 0 : -1;
}

void ApplyEdits(const CCharacterEdits& edits, CCharacterRecord& record, CSaveDocument& document)
{
    auto apply = [](const std::optional<int32_t>& edit, int32_t& field)
    {
        if (edit)
        {
            field = *edit;
        }
    };
    apply(edits.m_strength, record.m_strength);
    apply(edits.m_agility, record.m_agility);
    apply(edits.m_intelligence, record.m_intelligence);
    apply(edits.m_charisma, record.m_charisma);
    apply(edits.m_attributePoints, record.m_attributePoints);
    apply(edits.m_skillPoints, record.m_skillPoints);
    apply(edits.m_weaponPoints, record.m_weaponPoints);
    apply(edits.m_money, record.m_money);
    for (const auto& [row, level] : edits.m_skills)
    {
        record.m_skills[size_t(row)] = level;
    }
    if (edits.m_headerFlag)
    {
        document.m_headerFlag = *edits.m_headerFlag;
    }
}
