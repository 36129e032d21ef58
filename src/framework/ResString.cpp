// LoadResString: reads the string in place (length 0 asks for a pointer into the resource).
#include "ResString.h"

std::wstring LoadResString(UINT id)
{
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return text && length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
