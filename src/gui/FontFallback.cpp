// Font face fallback through GDI's family enumeration on the screen device context.
#include "FontFallback.h"

#include <windows.h>

#include <array>
#include <map>

namespace
{
int CALLBACK OnFontFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one family is enough
}

const std::array<const wchar_t*, 7> KAI_FACES = {L"楷体", L"KaiTi",  L"AR PL UKai CN", L"Microsoft YaHei",
                                                 L"宋体", L"SimSun", L"AR PL UMing CN"};
const std::array<const wchar_t*, 7> SONG_FACES = {L"宋体", L"SimSun", L"AR PL UMing CN", L"Microsoft YaHei",
                                                  L"楷体", L"KaiTi",  L"AR PL UKai CN"};

bool IsKaiFace(const std::wstring& face)
{
    return face.find(L"楷") != std::wstring::npos || face.find(L"Kai") != std::wstring::npos;
}
} // namespace

bool IsFaceInstalled(const std::wstring& face)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
    {
        return false;
    }
    LOGFONTW query = {};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, face.size());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, OnFontFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

std::wstring ChooseInstalledFace(const std::wstring& face)
{
    // Every load adds a font, so remember the answers instead of enumerating each time.
    static std::map<std::wstring, std::wstring> s_chosen;
    auto known = s_chosen.find(face);
    if (known != s_chosen.end())
    {
        return known->second;
    }
    std::wstring chosen = face;
    if (!IsFaceInstalled(face))
    {
        for (const wchar_t* candidate : IsKaiFace(face) ? KAI_FACES : SONG_FACES)
        {
            if (IsFaceInstalled(candidate))
            {
                chosen = candidate;
                break;
            }
        }
    }
    s_chosen.emplace(face, chosen);
    return chosen;
}
