// Whole-file reading, the atomic replacement and copying of a file and a file's stamp, by Unicode
// path. Reading and replacing have one implementation per platform (FileIoPosix.cpp,
// FileIoWin32.cpp), the rest is in FileCopy.cpp; nothing here knows about saves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

enum class FileReadStatus
{
    Ok,
    CannotRead, // missing, not openable, or not readable in full
    TooLarge    // more than INT32_MAX bytes
};

// Reads the whole file into `bytes` (cleared on any failure).
FileReadStatus ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it, reads it back and compares, then
// moves it over `path` in one step. On failure `path` is left as it was and the temporary file is
// gone. Returns whether `path` now holds exactly `bytes`.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Copies the file at `from` as it is on disk to `to`, replacing an older `to` only once the copy is
// complete (through WriteFileAtomically). Returns whether `to` now holds the file's bytes.
bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// What tells one version of a file on disk from another: its size and its last-write time.
struct CFileStamp
{
    bool m_exists = false; // a regular file is there
    uintmax_t m_size = 0;
    int64_t m_writeTime = 0; // in ticks of the file system's clock

    bool operator==(const CFileStamp&) const = default;
};

CFileStamp ReadFileStamp(const std::filesystem::path& path);
