#include "entrysizes.h"

#include "checksumlistcontent.h"
#include "entrytraits.h"
#include "filebatchreader.h"
#include "listpaths.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <span>
#include <string>
#include <thread>

namespace {

constexpr std::size_t kEntriesPerThread = 2048;  // below this a thread costs more than it saves
constexpr std::size_t kMaxThreads = 4;
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
    const std::size_t threadCount =
        std::min({kMaxThreads, std::max<std::size_t>(1, std::thread::hardware_concurrency()),
                  count / kEntriesPerThread});
    if (threadCount <= 1) {
        FileBatchReader reader(0);
        if (count < FileBatchReader::kMaxBatch) {
            reader.UseOneAtATime();  // a ring costs more than it saves on a few entries
        }
        QueryRange(baseFolder, anchor, rows, rowTraits, sizes, 0, count, reader);
        return sizes;
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        FileBatchReader reader(0);
        for (;;) {
            const std::size_t begin = next.fetch_add(kBatch, std::memory_order_relaxed);
            if (begin >= count) {
                return;
            }
            QueryRange(baseFolder, anchor, rows, rowTraits, sizes, begin, std::min(begin + kBatch, count), reader);
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threadCount; ++i) {
        helpers.emplace_back(work);
    }
    work();
    return sizes;  // the helpers join as they go out of scope
}
