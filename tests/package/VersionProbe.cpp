// qm-version-probe: reads an executable's version resource the way Explorer's Details page does
// (GetFileVersionInfoW, VerQueryValueW) and prints it as UTF-8 lines "key=value".
// Usage: qm-version-probe EXE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
void Print(const std::wstring& key, const std::wstring& value)
{
    const std::wstring line = key + L"=" + value + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), bytes.data(), size, nullptr, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::wstring Numbers(DWORD high, DWORD low)
{
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low)) + L"." + std::to_wstring(LOWORD(low));
}

wchar_t* Query(std::vector<BYTE>& info, const std::wstring& path, UINT& length)
{
    void* value = nullptr;
    length = 0;
    return VerQueryValueW(info.data(), path.c_str(), &value, &length) ? static_cast<wchar_t*>(value) : nullptr;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
    {
        std::fputs("usage: qm-version-probe EXE\n", stderr);
        return 2;
    }
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(argv[1], &handle);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(argv[1], 0, size, info.data()))
    {
        Print(L"error", L"no version resource");
        return 1;
    }
    UINT length = 0;
    const auto* fixed = reinterpret_cast<VS_FIXEDFILEINFO*>(Query(info, L"\\", length));
    if (fixed && length >= sizeof *fixed)
    {
        Print(L"fixed.file", Numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
        Print(L"fixed.product", Numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
    }
    // Each string is looked up in the block the translation table names, as Explorer does.
    const auto* translation = reinterpret_cast<WORD*>(Query(info, L"\\VarFileInfo\\Translation", length));
    if (!translation || length < 2 * sizeof(WORD))
    {
        Print(L"error", L"no translation");
        return 1;
    }
    wchar_t block[16];
    swprintf(block, 16, L"%04x%04x", translation[0], translation[1]);
    Print(L"translation", block);
    for (const wchar_t* key : {L"ProductName", L"FileDescription", L"FileVersion", L"ProductVersion",
                               L"OriginalFilename", L"InternalName", L"LegalCopyright"})
    {
        const wchar_t* text = Query(info, std::wstring(L"\\StringFileInfo\\") + block + L"\\" + key, length);
        Print(key, text && length > 0 ? std::wstring(text, wcsnlen(text, length)) : L"");
    }
    return 0;
}
