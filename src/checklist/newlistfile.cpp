#include "newlistfile.h"

#include "atomicfile.h"

#include <cerrno>
#include <unistd.h>

std::string CreateTemporaryList(const std::string& listPath, int& error)
{
    std::string temporaryPath;
    const int fd = OpenTemporaryFileBeside(listPath, temporaryPath);
    if (fd < 0) {
        error = errno;
        return {};
    }
    ::close(fd);
    return temporaryPath;
}

bool MoveListIntoPlace(const std::string& temporaryPath, const std::string& listPath, int& error)
{
    if (!ReplaceWithTemporaryFile(temporaryPath, listPath)) {
        error = errno;
        return false;
    }
    return true;
}

void RemoveTemporaryList(const std::string& temporaryPath) noexcept
{
    if (!temporaryPath.empty()) {
        ::unlink(temporaryPath.c_str());
    }
}
