// The labels of the 24 rows of the skill list, in row order (row k is CCharacterRecord::m_skills[k]).
// One table for every screen and tool that names a skill; no layout or decoding here.
#pragma once

#include <array>
#include <string_view>

#include "CharacterRecord.h"

inline constexpr std::array<std::wstring_view, SKILL_ROW_COUNT> SKILL_NAMES = {
    L"刚体", L"骁勇", L"强掷", L"强弓", L"精武", L"盾防", L"跑动", L"骑术",
    L"骑射", L"劫掠", L"练兵", L"慧眼", L"谋略", L"行军", L"视野", L"物品管理",
    L"养生", L"医术", L"包扎", L"工程学", L"说服", L"俘虏管理", L"统御", L"交涉"};
