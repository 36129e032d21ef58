// Copying a file and reading its stamp, on top of the per-platform reading and replacing; the
// stamp comes from std::filesystem, which speaks wide paths on Windows too.
#include "FileIo.h"

bool CopyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::vector<uint8_t> bytes;
    return ReadWholeFile(from, bytes) == FileReadStatus::Ok && WriteFileAtomically(to, bytes);
}

CFileStamp ReadFileStamp(const std::filesystem::path& path)
{
    std::error_code error;
    CFileStamp stamp;
    if (!std::filesystem::is_regular_file(path, error))
    {
        return stamp;
    }
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
    {
        return stamp;
    }
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(path, error);
    if (error)
    {
        return stamp;
    }
    stamp.m_exists = true;
    stamp.m_size = size;
    stamp.m_writeTime = int64_t(time.time_since_epoch().count());
    return stamp;
}
