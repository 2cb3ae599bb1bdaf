#include "textfile.h"

#include "atomicfile.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

TextFile ReadTextFile(const std::string& path)
{
    TextFile file;
    struct stat status{};
    if (::stat(path.c_str(), &status) != 0) {
        file.state = errno == ENOENT ? TextFile::State::Missing : TextFile::State::Unreadable;
        return file;
    }
    std::ifstream in(path, std::ios::binary);
    if (!S_ISREG(status.st_mode) || !in) {
        file.state = TextFile::State::Unreadable;
        return file;
    }
    file.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    file.state = in.bad() ? TextFile::State::Unreadable : TextFile::State::Read;
    if (file.state != TextFile::State::Read) {
        file.text.clear();
    }
    return file;
}

namespace {

// A file the user made read-only is left as it is, though the folder would let a new
// file be renamed over it. The mode bits count as well as access(), which grants root
// everything.
bool IsReadOnlyFile(const std::string& path)
{
    struct stat status{};
    if (::stat(path.c_str(), &status) != 0) {
        return false;
    }
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

std::string FolderOfPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

WriteResult WriteFileIfChanged(const std::string& path, std::string_view bytes)
{
    const TextFile old = ReadTextFile(path);
    if (old.state == TextFile::State::Read && old.text == bytes) {
        return WriteResult::Unchanged;
    }
    if (IsReadOnlyFile(path) || !CreateFolders(FolderOfPath(path)) || !WriteFileAtomically(path, bytes)) {
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}
