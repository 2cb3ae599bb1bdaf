#include "filesize.h"

#include "regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The programs never change their user while they run.
const uid_t kEffectiveUser = ::geteuid();

}  // namespace

bool QueryFileSize(const std::string& path, std::uint64_t& size)
{
    return QueryFileSize(AnchoredPath{AT_FDCWD, path.c_str()}, size);
}

bool QueryFileSize(AnchoredPath path, std::uint64_t& size)
{
    // Looked up and checked without opening the file: a list load queries every entry,
    // and only a regular file this process may read counts. The owner's read bit
    // decides for the owner (an access list cannot override it), which saves the
    // second look-up of the path for the usual case of one's own files.
    struct stat status {};
    return ::fstatat(path.folderFd, path.path, &status, 0) == 0 && ReadableFileSize(path, status, size);
}

bool ReadableFileSize(AnchoredPath path, const struct stat& status, std::uint64_t& size)
{
    if (NotRegularFileError(status) != 0) {
        return false;
    }
    const bool ownReadable = status.st_uid == kEffectiveUser && (status.st_mode & S_IRUSR) != 0;
    if (!ownReadable && ::faccessat(path.folderFd, path.path, R_OK, AT_EACCESS) != 0) {
        return false;
    }
    size = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    return true;
}
