// The system-independent half of reading a whole file: the size check, the one allocation and the
// one read, shared by the POSIX and Win32 file access. Not a public header of the save document.
#pragma once

#include <cstdint>
#include <new>
#include <vector>

#include "FileIo.h"

// `readFully(data, size)` reads exactly `size` bytes or answers false.
template <typename ReadFully>
FileReadStatus ReadSizedFile(int64_t size, std::vector<uint8_t>& bytes, ReadFully readFully)
{
    if (size > INT32_MAX)
    {
        return FileReadStatus::TooLarge;
    }
    try
    {
        bytes.resize(size_t(size));
    }
    catch (const std::bad_alloc&)
    {
        return FileReadStatus::CannotRead;
    }
    if (!readFully(bytes.data(), bytes.size()))
    {
        bytes.clear();
        return FileReadStatus::CannotRead;
    }
    return FileReadStatus::Ok;
}
