#include "entrysizes.h"

#include "batchesonthreads.h"
#include "checksumlistcontent.h"
#include "entrytraits.h"
#include "listpaths.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>

namespace {

constexpr std::size_t kEntriesPerThread = 2048;  // below this a thread costs more than it saves
constexpr std::size_t kBatch = 256;              // entries a thread takes at a time

// The entries from `begin` to `end`, looked at in batches through `reader`.
void QueryRange(const std::string& baseFolder, const FolderAnchor& anchor, const RowTexts& rows,
                const std::vector<std::uint8_t>& rowTraits, std::vector<std::uint64_t>& sizes, std::size_t begin,
                std::size_t end, FileBatchReader& reader)
{
    std::vector<std::string> paths;
    std::vector<AnchoredPath> anchored;
    for (std::size_t first = begin; first < end; first += FileBatchReader::kMaxBatch) {
        const std::size_t last = std::min(end, first + FileBatchReader::kMaxBatch);
        paths.clear();
        anchored.clear();
        for (std::size_t i = first; i < last; ++i) {
            const std::uint8_t traits = i < rowTraits.size() ? rowTraits[i] : 0;
            paths.push_back(ResolveRowPath(baseFolder, rows.Name(i), traits));
        }
        for (const std::string& path : paths) {
            anchored.push_back(anchor.Anchor(path));
        }
        reader.QuerySizes(anchored, std::span(sizes).subspan(first, last - first), kSizeNotFound);
    }
}

}  // namespace

std::vector<std::uint64_t> QueryEntrySizes(const std::string& baseFolder, const RowTexts& rows,
                                           const std::vector<std::uint8_t>& rowTraits)
{
    const std::size_t count = rows.Size();
    std::vector<std::uint64_t> sizes(count, kSizeNotFound);
    const FolderAnchor anchor(baseFolder);
    RunBatchesOnThreads(count, kEntriesPerThread, kBatch, [&](std::size_t begin, std::size_t end, FileBatchReader& reader) {
        QueryRange(baseFolder, anchor, rows, rowTraits, sizes, begin, end, reader);
    });
    return sizes;
}
