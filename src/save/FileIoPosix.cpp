// File reading and atomic replacement on POSIX systems: open/read, mkstemp, fsync and rename.
// The Windows counterpart is FileIoWin32.cpp.
#include "FileIo.h"
#include "FileIoRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace
{
// Owns one descriptor; Close() reports the close's own result, which matters after writing.
class CFileDescriptor
{
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    bool Close()
    {
        const bool ok = m_fd < 0 || ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

bool ReadFully(int fd, uint8_t* data, size_t size)
{
    while (size > 0)
    {
        const ssize_t got = ::read(fd, data, size);
        if (got < 0 && errno == EINTR)
        {
            continue;
        }
        if (got <= 0)
        {
            return false;
        }
        data += got;
        size -= size_t(got);
    }
    return true;
}

bool WriteFully(int fd, const uint8_t* data, size_t size)
{
    while (size > 0)
    {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR)
        {
            continue;
        }
        if (put <= 0)
        {
            return false;
        }
        data += put;
        size -= size_t(put);
    }
    return true;
}

// Reads the file back from the start and compares it with what was written.
bool MatchesFile(int fd, std::span<const uint8_t> bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
    {
        return false;
    }
    std::vector<uint8_t> chunk(size_t(1) << 20);
    for (size_t done = 0; done < bytes.size();)
    {
        const size_t size = std::min(chunk.size(), bytes.size() - done);
        if (!ReadFully(fd, chunk.data(), size) || std::memcmp(chunk.data(), bytes.data() + done, size) != 0)
        {
            return false;
        }
        done += size;
    }
    uint8_t extra;
    return ::read(fd, &extra, 1) == 0;
}

bool WriteAndVerify(int fd, std::span<const uint8_t> bytes)
{
    return WriteFully(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0 && MatchesFile(fd, bytes);
}
} // namespace

FileReadStatus ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status;
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
    {
        return FileReadStatus::CannotRead;
    }
    return ReadSizedFile(status.st_size, bytes,
                         [&](uint8_t* data, size_t count) { return ReadFully(file.Get(), data, count); });
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string name = ".";
    name += path.filename().string();
    name += ".XXXXXX";
    std::string temporary = (folder / name).string();
    CFileDescriptor file(::mkstemp(temporary.data()));
    if (!file.IsOpen())
    {
        return false;
    }
    // Keep the permissions of the file being replaced; a new file gets the usual 0644.
    struct stat original;
    ::fchmod(file.Get(), ::stat(path.c_str(), &original) == 0 ? (original.st_mode & 07777) : 0644);

    const bool written = WriteAndVerify(file.Get(), bytes);
    if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0)
    {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the data is already on disk, so a failure here is not fatal.
    CFileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
    {
        ::fsync(directory.Get());
    }
    return true;
}
