// The ids of the editor screen's controls: the layout gives them, the data exchange finds the
// controls by them and the command handler tells the clicks apart by them.
#pragma once

#include "Gui.h"

inline constexpr int SCREEN_ID_NAME = 1;                       // name box of the character page
inline constexpr int SCREEN_ID_LIST_LABEL = GUI_LIST_LABEL_ID; // a character-list label
inline constexpr int SCREEN_ID_LOAD = 4;
inline constexpr int SCREEN_ID_HOME_PAGE = 5;
inline constexpr int SCREEN_ID_FORUM = 6;
inline constexpr int SCREEN_ID_EDIT_CHARACTER = 7;
inline constexpr int SCREEN_ID_QUIT = 8;
inline constexpr int SCREEN_ID_SAVE = 9;
inline constexpr int SCREEN_ID_SAVE_AS = 10;
inline constexpr int SCREEN_ID_LOGO = 11;
inline constexpr int SCREEN_ID_EDIT_ITEMS = 12;
inline constexpr int SCREEN_ID_DONE = 13;
inline constexpr int SCREEN_ID_FIRST_SKILL = 14; // skill row k has the number box 14 + k
inline constexpr int SCREEN_ID_STRENGTH = 54;
inline constexpr int SCREEN_ID_AGILITY = 55;
inline constexpr int SCREEN_ID_INTELLIGENCE = 56;
inline constexpr int SCREEN_ID_CHARISMA = 57;
inline constexpr int SCREEN_ID_LEVEL = 58;
inline constexpr int SCREEN_ID_EXPERIENCE = 59;
inline constexpr int SCREEN_ID_ATTRIBUTE_POINTS = 60;
inline constexpr int SCREEN_ID_SKILL_POINTS = 61;
inline constexpr int SCREEN_ID_WEAPON_POINTS = 62;
inline constexpr int SCREEN_ID_HEADER_FLAG = 63; // the check box builder's fixed id
inline constexpr int SCREEN_ID_ITEM_GRID = 101;
inline constexpr int SCREEN_ID_MONEY = 102;
inline constexpr int SCREEN_ID_PLAYER_NAME = 103;

// Pages (CMainFrame::m_page).
inline constexpr int PAGE_MAIN = 0;
inline constexpr int PAGE_CHARACTER = 1;
inline constexpr int PAGE_ITEMS = 2;
