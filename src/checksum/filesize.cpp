#include "filesize.h"

#include "readonlyfile.h"

bool QueryFileSize(const std::string& path, std::uint64_t& size)
{
    const ReadOnlyFile file(path);
    if (!file.IsOpen()) {
        return false;
    }
    size = file.Size();
    return true;
}
