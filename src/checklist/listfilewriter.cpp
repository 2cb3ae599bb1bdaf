#include "listfilewriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ListFileWriter::ListFileWriter(const std::string& path, Mode mode) noexcept
{
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::Append ? O_APPEND : O_TRUNC);
    m_fd = ::open(path.c_str(), flags, 0666);
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) == 0) {
        m_size = info.st_size;
    }
}

ListFileWriter::~ListFileWriter()
{
    Close();
}

bool ListFileWriter::Write(std::string_view bytes) noexcept
{
    if (m_fd < 0) {
        return false;
    }
    const std::size_t length = bytes.size();
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_error = errno;
            break;
        }
        if (written == 0) {
            m_error = EIO;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (!bytes.empty()) {
        (void)::ftruncate(m_fd, m_size);  // best effort: the failure is reported either way
        return false;
    }
    m_size += static_cast<off_t>(length);
    return true;
}

bool ListFileWriter::Close() noexcept
{
    if (m_fd < 0) {
        return false;
    }
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0 && errno != EINTR) {
        if (m_error == 0) {
            m_error = errno;
        }
        return false;
    }
    return true;
}
