#include "listtarget.h"

#include "listidentify.h"

#include <sys/stat.h>

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

bool HoldsOtherThanAList(const std::string& listPath)
{
    struct stat info {};
    if (::stat(listPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
        return false;
    }
    return !IdentifyListKind(listPath).known;
}
