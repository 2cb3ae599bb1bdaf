#include "listreader.h"

#include "digestline.h"
#include "entrysizes.h"
#include "regularfile.h"
#include "sizetext.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Opens a list for reading in binary mode. Only a regular file qualifies: a folder
// opens on Linux but is no list, a device could be read without end, and a FIFO named
// like a list cannot hang the load.
FilePointer OpenListFile(const std::string& path)
{
    const RegularFileDescriptor opened = OpenRegularFile(path);
    if (opened.fd < 0) {
        return nullptr;
    }
    FilePointer file(::fdopen(opened.fd, "rb"));
    if (!file) {
        ::close(opened.fd);
    }
    return file;
}

// One line of an md5sum-family list: an entry, or one more improperly formatted line.
void AppendDigestLine(std::string_view trimmed, ListKind kind, LoadOutcome& outcome)
{
    std::optional<DigestLine> line = ParseDigestLine(trimmed, kind);
    if (!line) {
        ++outcome.improperLines;
        return;
    }
    ChecksumListContent& content = outcome.content;
    content.expected.SetAt(content.names.size(), std::move(line->checksum));
    content.rowTraits.push_back(line->traits);
    content.names.push_back(std::move(line->name));
}

}  // namespace

LoadOutcome LoadChecksumList(const std::string& path, const std::string& baseFolder, ListKind kind, int sizeType)
{
    LoadOutcome outcome;
    if (kind == ListKind::None) {
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
        if (kind != ListKind::Sfv) {
            if (!IsHashComment(trimmed)) {
                AppendDigestLine(trimmed, kind, outcome);
            }
            continue;
        }
        SplitEntry entry = SplitEntryLine(trimmed, kind);
        content.expected.SetAt(content.names.size(), std::move(entry.checksum));
        content.names.push_back(std::move(entry.name));
    }
    if (reader.Failed()) {
        return LoadOutcome{};
    }

    const std::vector<EntrySize> sizes = QueryEntrySizes(baseFolder, content.names, content.rowTraits);
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
