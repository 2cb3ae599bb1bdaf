#include "readonlyfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::ReadOnlyFile(const std::string& path) noexcept
{
    // O_NONBLOCK keeps open() from waiting for a FIFO's writer; Fill clears it for the
    // kinds of file where it means nothing (regular files, block devices).
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        m_openError = errno;
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_openError = errno;
        ::close(fd);
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        m_openError = EISDIR;
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_blockingReads = S_ISREG(info.st_mode) || S_ISBLK(info.st_mode);
    m_size = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void ReadOnlyFile::AdviseSequential() const noexcept
{
    if (m_fd >= 0) {
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
}

ReadOnlyFile::FillResult ReadOnlyFile::Fill(unsigned char* buffer, std::size_t capacity) noexcept
{
    FillResult result;
    if (m_blockingReads) {
        // Only the flags open() set can be on; clearing them all clears O_NONBLOCK.
        ::fcntl(m_fd, F_SETFL, 0);
        m_blockingReads = false;
    }
    while (result.bytes < capacity) {
        const ssize_t got = ::read(m_fd, buffer + result.bytes, capacity - result.bytes);
        if (got > 0) {
            result.bytes += static_cast<std::size_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            result.error = errno;
            break;
        }
    }
    return result;
}
