#include "readonlyfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>

ReadOnlyFile::ReadOnlyFile(const std::string& path) noexcept
{
    // O_NONBLOCK keeps open() from waiting for a FIFO's writer. Reads of a regular file
    // ignore it; Fill clears it before reading a block device.
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
    m_open = true;
    m_regular = S_ISREG(info.st_mode);
    m_blockingReads = S_ISBLK(info.st_mode);
    m_size = info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

ReadOnlyFile::~ReadOnlyFile()
{
    Close();
}

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
{
    *this = std::move(other);
}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_open = std::exchange(other.m_open, false);
        m_openError = other.m_openError;
        m_size = other.m_size;
        m_offset = other.m_offset;
        m_regular = other.m_regular;
        m_blockingReads = other.m_blockingReads;
        m_preRead = std::move(other.m_preRead);
        m_preReadResult = other.m_preReadResult;
        m_preReadServed = other.m_preReadServed;
    }
    return *this;
}

void ReadOnlyFile::Close() noexcept
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void ReadOnlyFile::AdviseSequential() const noexcept
{
    if (m_fd >= 0) {
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
}

bool ReadOnlyFile::PreRead(std::size_t limit)
{
    // A size of 0 may also be a file whose length the system does not report.
    if (m_fd < 0 || !m_regular || m_size == 0 || m_size > limit || m_preRead) {
        return false;
    }
    const auto size = static_cast<std::size_t>(m_size);
    m_preRead = std::make_unique_for_overwrite<unsigned char[]>(size);
    m_preReadResult = ReadDescriptor(m_preRead.get(), size);
    Close();
    return true;
}

ReadOnlyFile::FillResult ReadOnlyFile::FillFromMemory(unsigned char* buffer, std::size_t capacity) noexcept
{
    FillResult result;
    const std::size_t left = m_preReadResult.bytes - m_preReadServed;
    result.bytes = std::min(capacity, left);
    std::memcpy(buffer, m_preRead.get() + m_preReadServed, result.bytes);
    m_preReadServed += result.bytes;
    if (result.bytes < capacity) {
        result.error = m_preReadResult.error;  // reached where the read ended
    }
    return result;
}

ReadOnlyFile::FillResult ReadOnlyFile::Fill(unsigned char* buffer, std::size_t capacity) noexcept
{
    return m_preRead ? FillFromMemory(buffer, capacity) : ReadDescriptor(buffer, capacity);
}

ReadOnlyFile::FillResult ReadOnlyFile::ReadDescriptor(unsigned char* buffer, std::size_t capacity) noexcept
{
    FillResult result;
    if (m_fd < 0) {
        return result;
    }
    if (m_blockingReads) {
        // Only the flags open() set can be on; clearing them all clears O_NONBLOCK.
        ::fcntl(m_fd, F_SETFL, 0);
        m_blockingReads = false;
    }
    while (result.bytes < capacity) {
        if (m_regular && m_size > 0 && m_offset >= m_size) {
            break;  // delivered the size it had when opened
        }
        const ssize_t got = ::read(m_fd, buffer + result.bytes, capacity - result.bytes);
        if (got > 0) {
            result.bytes += static_cast<std::size_t>(got);
            m_offset += static_cast<std::uint64_t>(got);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            result.error = errno;
            break;
        }
    }
    return result;
}
