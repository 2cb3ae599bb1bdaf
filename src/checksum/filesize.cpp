#include "filesize.h"

#include "regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool QueryFileSize(const std::string& path, std::uint64_t& size)
{
    // Looked up and checked without opening the file: a list load queries every entry,
    // and only a regular file this process may read counts.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || NotRegularFileError(status) != 0 ||
        ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) != 0) {
        return false;
    }
    size = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    return true;
}
