// The table and JSON views of a loaded save. Column widths count CJK characters as two cells.
#include "ShowOutput.h"

#include <nlohmann/json.hpp>

#include <string>

#include "SkillNames.h"
#include "ToolHost.h"
#include "Utf8.h"

namespace
{
// Terminal cells of a text: East Asian wide characters take two.
size_t DisplayWidth(std::wstring_view text)
{
    size_t width = 0;
    for (wchar_t c : text)
    {
        const auto cp = uint32_t(c);
        if (cp >= 0xDC00 && cp <= 0xDFFF)
        {
            continue; // second half of a surrogate pair
        }
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x1F300;
        width += wide ? 2 : 1;
    }
    return width;
}

// The text padded with spaces to `width` cells, on the left or the right.
std::string Cell(std::wstring_view text, size_t width, bool alignRight = false)
{
    const size_t used = DisplayWidth(text);
    const std::string padding(width > used ? width - used : 0, ' ');
    const std::string utf8 = EncodeUtf8(text);
    return alignRight ? padding + utf8 : utf8 + padding;
}

std::string Cell(int64_t number, size_t width)
{
    return Cell(std::to_wstring(number), width, true);
}
} // namespace

const CCharacterRecord& RecordAt(const CSaveDocument& document, int position)
{
    return position == 0 ? document.m_player : document.m_companions[size_t(position)];
}

void PrintSaveTable(const CSaveDocument& document, const std::vector<int>& positions, std::ostream& out)
{
    out << "文件：" << PathToUtf8(document.m_path) << '\n'
        << "大小：" << document.m_size << " 字节\n"
        << "直面人生：" << (document.m_headerFlag ? "是" : "否") << "\n\n";

    out << Cell(L"#", 3, true) << "  " << Cell(L"名字", 10) << Cell(L"偏移", 11, true) << Cell(L"等级", 6, true)
        << Cell(L"经验", 10, true) << Cell(L"钱", 10, true) << Cell(L"力", 5, true) << Cell(L"敏", 5, true)
        << Cell(L"智", 5, true) << Cell(L"魅", 5, true) << Cell(L"属性点", 8, true) << Cell(L"技能点", 8, true)
        << Cell(L"武器点", 8, true) << '\n';
    for (int position : positions)
    {
        const CCharacterRecord& r = RecordAt(document, position);
        out << Cell(position, 3) << "  " << Cell(r.m_name, 10) << Cell(r.m_offset, 11) << Cell(r.m_level, 6)
            << Cell(r.m_experience, 10) << Cell(r.m_money, 10) << Cell(r.m_strength, 5) << Cell(r.m_agility, 5)
            << Cell(r.m_intelligence, 5) << Cell(r.m_charisma, 5) << Cell(r.m_attributePoints, 8)
            << Cell(r.m_skillPoints, 8) << Cell(r.m_weaponPoints, 8) << '\n';
    }

    // Skills: one row per skill, one column per character (by its list position).
    out << '\n' << Cell(L"技能", 10);
    for (int position : positions)
    {
        out << Cell(position, 4);
    }
    out << '\n';
    for (int row = 0; row < SKILL_ROW_COUNT; ++row)
    {
        out << Cell(SKILL_NAMES[size_t(row)], 10);
        for (int position : positions)
        {
            out << Cell(RecordAt(document, position).m_skills[size_t(row)], 4);
        }
        out << '\n';
    }
}

void PrintSaveJson(const CSaveDocument& document, const std::vector<int>& positions, std::ostream& out)
{
    nlohmann::ordered_json characters = nlohmann::ordered_json::array();
    for (int position : positions)
    {
        const CCharacterRecord& r = RecordAt(document, position);
        nlohmann::ordered_json skills = nlohmann::ordered_json::object();
        for (int row = 0; row < SKILL_ROW_COUNT; ++row)
        {
            skills[EncodeUtf8(SKILL_NAMES[size_t(row)])] = r.m_skills[size_t(row)];
        }
        characters.push_back({{"index", position},
                              {"name", EncodeUtf8(r.m_name)},
                              {"offset", r.m_offset},
                              {"level", r.m_level},
                              {"experience", r.m_experience},
                              {"money", r.m_money},
                              {"strength", r.m_strength},
                              {"agility", r.m_agility},
                              {"intelligence", r.m_intelligence},
                              {"charisma", r.m_charisma},
                              {"attributePoints", r.m_attributePoints},
                              {"skillPoints", r.m_skillPoints},
                              {"weaponPoints", r.m_weaponPoints},
                              {"skills", skills}});
    }
    const nlohmann::ordered_json json = {{"path", PathToUtf8(document.m_path)},
                                              {"size", document.m_size},
                                              {"headerFlag", document.m_headerFlag},
                                              {"characters", characters}};
    out << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}
