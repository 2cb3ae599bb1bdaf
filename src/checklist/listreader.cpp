#include "listreader.h"

#include "entrysizes.h"
#include "sizetext.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <utility>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens a list for reading in binary mode. Only a regular file qualifies: a folder
// opens on Linux but is no list, a device could be read without end, and the open
// does not block, so a FIFO named like a list cannot hang the load.
FilePointer OpenListFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    FilePointer file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
    }
    return file;
}

}  // namespace

LoadOutcome LoadChecksumList(const std::string& path, const std::string& baseFolder, ListKind kind, int sizeType)
{
    LoadOutcome outcome;
    if (kind != ListKind::Sfv && kind != ListKind::Md5) {
        return outcome;
    }
    const FilePointer file = OpenListFile(path);
    if (!file) {
        return outcome;
    }

    ChecksumListContent& content = outcome.content;
    content.listPath = path;
    content.baseFolder = baseFolder;
    content.kind = kind;
    content.expected.Reset(kExpectedPresize, kExpectedGrowBy);

    ListLineReader reader(file.get());
    std::string line;
    line.reserve(kListLineLimit);
    while (reader.ReadListLine(line)) {
        const std::string_view trimmed = TrimListLine(line);
        if (IsIgnoredListLine(trimmed)) {
            continue;
        }
        SplitEntry entry = SplitEntryLine(trimmed, kind);
        content.expected.SetAt(content.names.size(), std::move(entry.checksum));
        content.names.push_back(std::move(entry.name));
    }
    if (reader.Failed()) {
        return LoadOutcome{};
    }

    const std::vector<EntrySize> sizes = QueryEntrySizes(baseFolder, content.names);
    content.sizeTexts.reserve(sizes.size());
    for (const EntrySize& entry : sizes) {
        if (entry.found) {
            content.totalBytes += entry.size;
        }
        content.sizeTexts.push_back(RowSizeText(entry.found, entry.size, sizeType));
    }
    outcome.status = LoadStatus::Loaded;
    return outcome;
}
