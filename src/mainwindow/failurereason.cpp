#include "failurereason.h"

#include "regularfile.h"
#include "rowreaderrors.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ReasonOf(int errorCode)
{
    return errorCode == 0 ? std::string() : ErrorText(errorCode);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

std::string OpenFailureReason(const std::string& path)
{
    const RegularFileDescriptor file = OpenRegularFile(path);
    if (file.fd >= 0) {
        ::close(file.fd);
        return {};  // it opens now: the read failed part-way, for no reason left to see
    }
    return ReasonOf(file.error);
}

std::string CreateFailureReason(const std::string& path)
{
    struct stat status{};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            return ReasonOf(EISDIR);
        }
        return ReasonOf(::access(path.c_str(), W_OK) != 0 ? errno : 0);
    }
    if (errno != ENOENT) {
        return ReasonOf(errno);
    }
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &status) != 0) {
        return ReasonOf(errno);
    }
    if (!S_ISDIR(status.st_mode)) {
        return ReasonOf(ENOTDIR);
    }
    return ReasonOf(::access(folder.c_str(), W_OK | X_OK) != 0 ? errno : 0);
}
