// The fifteen companions: list position i (1 .. 15) is entry i - 1. Names are wide-string literals,
// so they never pass through the user's ANSI code page; faces are 22 uppercase hex digits (11 bytes).
#pragma once

#include <array>
#include <string_view>

inline constexpr int COMPANION_COUNT = 15;
inline constexpr int COMPANION_FACE_LENGTH = 11;

struct CCompanionEntry
{
    std::wstring_view m_name;
    std::string_view m_face;
};

inline constexpr std::array<CCompanionEntry, COMPANION_COUNT> COMPANIONS = {{
    {L"波尔查", "35E246901A069D252CB51D"},
    {L"雅米拉", "5B92C5DEB86D3B5898801D"},
    {L"罗尔夫", "2ED78AA5A8C6752C891A1E"},
    {L"法提斯", "A33C8F74D095186A0B0F00"},
    {L"马尼德", "8DD2C81237890B5799C81D"},
    {L"艾雷恩", "D3B86D1B395B9D49E1C21D"},
    {L"凯特琳", "52974D6B22AA15599EA41E"},
    {L"克雷斯", "13382F5D809CCE39ADC71C"},
    {L"杰姆斯", "6DD3D59C2AA68B4F25361E"},
    {L"亚提曼", "53AB4E5923914B2B36551D"},
    {L"雷萨里特", "6AE955EBD6D1D544DBB01D"},
    {L"贝斯图尔", "624A322823976F5C31D31C"},
    {L"德赛维", "F4444D639752A133DB021E"},
    {L"班达克", "CB468D1CC7912C578A461E"},
    {L"尼扎", "4C574EDE92954E5F9C361E"},
}};
