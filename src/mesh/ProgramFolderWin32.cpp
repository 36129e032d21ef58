// ProgramFolder: the running executable's folder by its wide-character name, of any length.
#include "ObjMesh.h"

#include <windows.h>

#include <string>

std::filesystem::path ProgramFolder()
{
    std::wstring name(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0)
        {
            return {};
        }
        if (length < name.size())
        {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2); // cut short: try a larger buffer
    }
}
