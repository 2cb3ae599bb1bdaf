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
    return OpenRegularFile(AnchoredPath{AT_FDCWD, path.c_str()});
}

RegularFileDescriptor OpenRegularFile(AnchoredPath path) noexcept
{
    RegularFileDescriptor result;
    struct stat before {};
    if (::fstatat(path.folderFd, path.path, &before, 0) != 0) {
        result.error = errno;
        return result;
    }
    if (const int error = NotRegularFileError(before); error != 0) {
        result.error = error;
        return result;
    }
    // The path may have been replaced by something else since the look: O_NONBLOCK
    // keeps a FIFO from blocking the open, and the descriptor is checked again.
    const int fd = ::openat(path.folderFd, path.path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
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
