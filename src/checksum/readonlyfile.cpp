#include "readonlyfile.h"

#include "regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

std::uint64_t SizeOf(const struct stat& status) noexcept
{
    return status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
}

bool SameTime(const std::timespec& a, const std::timespec& b) noexcept
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// True when a change made from now on could leave the file's change time as it is:
// the time was taken from a clock that ticks coarsely (and some file systems store it
// in steps of up to two seconds), so a change time close to now may be shared by a
// later change.
bool MayChangeUnseen(const std::timespec& changeTime) noexcept
{
    constexpr std::time_t kMargin = 3;
    std::timespec now{};
    if (::clock_gettime(CLOCK_REALTIME_COARSE, &now) != 0) {
        return true;
    }
    return changeTime.tv_sec + kMargin >= now.tv_sec;
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path) noexcept : ReadOnlyFile(AnchoredPath{AT_FDCWD, path.c_str()}) {}

ReadOnlyFile::ReadOnlyFile(AnchoredPath path) noexcept : ReadOnlyFile(OpenRegularFile(path)) {}

ReadOnlyFile::ReadOnlyFile(const RegularFileDescriptor& opened) noexcept
{
    if (opened.fd < 0) {
        m_openError = opened.error;
        return;
    }
    m_fd = opened.fd;
    m_open = true;
    m_size = SizeOf(opened.status);
    m_device = opened.status.st_dev;
    m_inode = opened.status.st_ino;
    m_changeTime = opened.status.st_ctim;
}

ReadOnlyFile ReadOnlyFile::WithContent(const struct stat& status, std::unique_ptr<unsigned char[]> content) noexcept
{
    ReadOnlyFile file;
    file.m_open = true;
    file.m_size = SizeOf(status);
    file.m_device = status.st_dev;
    file.m_inode = status.st_ino;
    file.m_changeTime = status.st_ctim;
    file.m_preReadTrusted = !MayChangeUnseen(status.st_ctim);
    file.m_preRead = std::move(content);
    file.m_preReadResult = FillResult{static_cast<std::size_t>(file.m_size), 0};
    file.m_position = file.m_size;
    return file;
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
        m_position = other.m_position;
        m_device = other.m_device;
        m_inode = other.m_inode;
        m_changeTime = other.m_changeTime;
        m_preRead = std::move(other.m_preRead);
        m_preReadResult = other.m_preReadResult;
        m_preReadServed = other.m_preReadServed;
        m_preReadTrusted = other.m_preReadTrusted;
        m_contentBlake3 = std::move(other.m_contentBlake3);
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

bool ReadOnlyFile::SkipTo(std::uint64_t position) noexcept
{
    if (m_fd < 0 || m_preRead || ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) < 0) {
        return false;
    }
    m_position = position;
    return true;
}

bool ReadOnlyFile::PreRead(std::size_t limit)
{
    // A size of 0 may also be a file whose length the system does not report.
    if (m_fd < 0 || m_size == 0 || m_size > limit || m_preRead) {
        return false;
    }
    m_preReadTrusted = !MayChangeUnseen(m_changeTime);
    const auto size = static_cast<std::size_t>(m_size);
    m_preRead = std::make_unique_for_overwrite<unsigned char[]>(size);
    m_preReadResult = ReadDescriptor(m_preRead.get(), size);
    Close();
    return true;
}

void ReadOnlyFile::Revalidate(const std::string& path) noexcept
{
    Revalidate(AnchoredPath{AT_FDCWD, path.c_str()});
}

void ReadOnlyFile::Revalidate(AnchoredPath path) noexcept
{
    struct stat now {};
    if (m_open && ::fstatat(path.folderFd, path.path, &now, 0) == 0 && now.st_dev == m_device &&
        now.st_ino == m_inode) {
        if (!m_preRead) {
            m_size = SizeOf(now);
            return;
        }
        if (m_preReadTrusted && SizeOf(now) == m_size && SameTime(now.st_ctim, m_changeTime)) {
            return;
        }
    }
    *this = ReadOnlyFile(path);
}

std::span<const unsigned char> ReadOnlyFile::WholeContent() const noexcept
{
    if (!m_preRead || m_preReadServed != 0 || m_preReadResult.error != 0 || m_preReadResult.bytes != m_size) {
        return {};
    }
    return {m_preRead.get(), m_preReadResult.bytes};
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
    while (result.bytes < capacity) {
        const ssize_t got = ::read(m_fd, buffer + result.bytes, capacity - result.bytes);
        if (got > 0) {
            const auto asked = capacity - result.bytes;
            result.bytes += static_cast<std::size_t>(got);
            m_position += static_cast<std::uint64_t>(got);
            // A regular file reads short only at its end; past the size it has now,
            // a further read would only confirm that.
            if (static_cast<std::size_t>(got) < asked && m_position >= m_size) {
                break;
            }
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            result.error = errno;
            break;
        }
    }
    return result;
}
