#include "listreader.h"

#include "digestline.h"
#include "entrysizes.h"
#include "listendnotes.h"
#include "regularfile.h"
#include "sizetext.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
void AppendDigestLine(std::string_view lineText, ListKind kind, LoadOutcome& outcome)
{
    std::optional<DigestLine> line = ParseDigestLine(lineText, kind);
    if (!line) {
        ++outcome.improperLines;
        return;
    }
    ChecksumListContent& content = outcome.content;
    content.rows.Append(line->name, line->checksum);
    content.rowTraits.push_back(line->traits);
}

// Reserves what the rows of a list of `listBytes` bytes can take at most: their texts
// are parts of the lines, and a line is at least two bytes. Reserved room the rows do
// not fill costs address space, not memory; the row count is capped so that a huge
// list does not ask for more address space than the system may grant.
void ReserveRows(ChecksumListContent& content, std::uint64_t listBytes)
{
    constexpr std::uint64_t kMaxReservedRows = std::uint64_t{1} << 26;
    const auto rows = static_cast<std::size_t>(std::min(listBytes / 2 + 1, kMaxReservedRows));
    content.rows.Reserve(rows, static_cast<std::size_t>(listBytes));
    if (content.kind != ListKind::Sfv) {
        content.rowTraits.reserve(rows);
    }
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
    content.sizeType = sizeType;
    if (struct stat status {}; ::fstat(::fileno(file.get()), &status) == 0 && status.st_size > 0) {
        ReserveRows(content, static_cast<std::uint64_t>(status.st_size));
    }

    // b3sum writes a CR in a name as it is, and reads only LF as a line's end.
    ListLineReader reader(file.get(), kListLineLimit,
                          kind == ListKind::Blake3 ? ListLineReader::LineBreaks::LfOnly
                                                   : ListLineReader::LineBreaks::CrOrLf);
    std::string line;
    line.reserve(kListLineLimit);
    while (reader.ReadListLine(line)) {
        const std::string_view trimmed = TrimListLine(line);
        outcome.incomplete = outcome.incomplete || IsIncompleteListMarker(trimmed, kind);
        if (IsIgnoredListLine(trimmed)) {
            continue;
        }
        if (kind != ListKind::Sfv) {
            if (!IsHashComment(trimmed)) {
                AppendDigestLine(TrimListLineStart(line), kind, outcome);
            }
            continue;
        }
        const SplitEntry entry = SplitEntryLine(trimmed, kind);
        content.rows.Append(entry.name, entry.checksum);
    }
    if (reader.Failed()) {
        return LoadOutcome{};
    }

    content.sizes = QueryEntrySizes(baseFolder, content.rows, content.rowTraits);
    for (const std::uint64_t size : content.sizes) {
        if (size != kSizeNotFound) {
            content.totalBytes += size;
        }
    }
    outcome.status = LoadStatus::Loaded;
    return outcome;
}
