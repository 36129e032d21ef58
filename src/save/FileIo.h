// Whole-file reading and the atomic replacement of a file, by Unicode path. One implementation
// per platform (FileIoPosix.cpp, FileIoWin32.cpp); nothing here knows about saves.
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
