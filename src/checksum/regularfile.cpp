#include "regularfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int NotRegularFileError(const struct stat& status) noexcept
{
    if (S_ISREG(status.st_mode)) {
        return 0;
    }
    return S_ISDIR(status.st_mode) ? EISDIR : ENODEV;
}

RegularFileDescriptor OpenRegularFile(const std::string& path) noexcept
{
    RegularFileDescriptor result;
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) {
        result.error = errno;
        return result;
    }
    if (const int error = NotRegularFileError(before); error != 0) {
        result.error = error;
        return result;
    }
    // The path may have been replaced by something else since the look: O_NONBLOCK
    // keeps a FIFO from blocking the open, and the descriptor is checked again.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    if (::fstat(fd, &result.status) != 0) {
        result.error = errno;
        ::close(fd);
        return result;
    }
    if (const int error = NotRegularFileError(result.status); error != 0) {
        result.error = error;
        ::close(fd);
        return result;
    }
    result.fd = fd;
    return result;
}
