// File reading and atomic replacement on Windows, through the wide-character API only, so no
// path ever passes through a code page. The POSIX counterpart is FileIoPosix.cpp.
#include "FileIo.h"
#include "FileIoRead.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace
{
constexpr DWORD CHUNK = DWORD(1) << 20;

// Owns one file handle; Close() reports the close's own result, which matters after writing.
class CFileHandle
{
public:
    explicit CFileHandle(HANDLE handle) : m_handle(handle) {}
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    ~CFileHandle() { Close(); }

    HANDLE Get() const { return m_handle; }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Close()
    {
        const bool ok = m_handle == INVALID_HANDLE_VALUE || ::CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_handle;
};

bool ReadFully(HANDLE file, uint8_t* data, size_t size)
{
    while (size > 0)
    {
        DWORD got = 0;
        if (!::ReadFile(file, data, DWORD(std::min<size_t>(size, CHUNK)), &got, nullptr) || got == 0)
        {
            return false;
        }
        data += got;
        size -= got;
    }
    return true;
}

bool WriteFully(HANDLE file, const uint8_t* data, size_t size)
{
    while (size > 0)
    {
        DWORD put = 0;
        if (!::WriteFile(file, data, DWORD(std::min<size_t>(size, CHUNK)), &put, nullptr) || put == 0)
        {
            return false;
        }
        data += put;
        size -= put;
    }
    return true;
}

// Reads the file back from the start and compares it with what was written.
bool MatchesFile(HANDLE file, std::span<const uint8_t> bytes)
{
    LARGE_INTEGER zero{};
    if (!::SetFilePointerEx(file, zero, nullptr, FILE_BEGIN))
    {
        return false;
    }
    std::vector<uint8_t> chunk(CHUNK);
    for (size_t done = 0; done < bytes.size();)
    {
        const size_t size = std::min<size_t>(chunk.size(), bytes.size() - done);
        if (!ReadFully(file, chunk.data(), size) || std::memcmp(chunk.data(), bytes.data() + done, size) != 0)
        {
            return false;
        }
        done += size;
    }
    DWORD got = 0;
    uint8_t extra;
    return ::ReadFile(file, &extra, 1, &got, nullptr) && got == 0;
}

bool WriteAndVerify(HANDLE file, std::span<const uint8_t> bytes)
{
    return WriteFully(file, bytes.data(), bytes.size()) && ::FlushFileBuffers(file) &&
           MatchesFile(file, bytes);
}

// Creates a new, unshared temporary file beside `path`; `temporary` receives its name.
HANDLE CreateTemporaryFile(const std::filesystem::path& path, std::wstring& temporary)
{
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(L".");
    const DWORD seed = ::GetCurrentProcessId() * 7919u + ::GetTickCount();
    for (DWORD attempt = 0; attempt < 100; ++attempt)
    {
        temporary =
            (folder / (L"~" + path.filename().wstring() + L"." + std::to_wstring(seed + attempt) + L".tmp"))
                .wstring();
        HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
        {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

// ReplaceFileW keeps the original's attributes and security; a new target is simply moved into place.
// Only a plain file is handed to ReplaceFileW: Wine's version moves a folder aside instead of failing.
bool MoveIntoPlace(const std::wstring& temporary, const std::filesystem::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        ::ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr))
    {
        return true;
    }
    return ::MoveFileExW(temporary.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
} // namespace

FileReadStatus ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    CFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.IsOpen() || !::GetFileSizeEx(file.Get(), &size))
    {
        return FileReadStatus::CannotRead;
    }
    return ReadSizedFile(size.QuadPart, bytes,
                         [&](uint8_t* data, size_t count) { return ReadFully(file.Get(), data, count); });
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    std::wstring temporary;
    CFileHandle file(CreateTemporaryFile(path, temporary));
    if (!file.IsOpen())
    {
        return false;
    }
    const bool written = WriteAndVerify(file.Get(), bytes);
    if (!file.Close() || !written || !MoveIntoPlace(temporary, path))
    {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
