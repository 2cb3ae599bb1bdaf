#include "listreader.h"

#include "filesize.h"
#include "sizetext.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <utility>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens a list for reading in binary mode; only a regular file qualifies (a folder
// opens on Linux but is no list, and a device could be read without end).
FilePointer OpenListFile(const std::string& path)
{
    FilePointer file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(::fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
        return nullptr;
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

        std::string sizeText = kNotFoundText;
        std::uint64_t size = 0;
        if (QueryFileSize(ResolveEntryPath(baseFolder, entry.name), size)) {
            content.totalBytes += size;
            sizeText = FormatSizeText(size, sizeType);
        }
        content.expected.SetAt(content.names.size(), std::move(entry.checksum));
        content.names.push_back(std::move(entry.name));
        content.sizeTexts.push_back(std::move(sizeText));
    }
    if (reader.Failed()) {
        return LoadOutcome{};
    }
    outcome.status = LoadStatus::Loaded;
    return outcome;
}
