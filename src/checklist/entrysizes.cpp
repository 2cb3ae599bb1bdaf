#include "entrysizes.h"

#include "entrytraits.h"
#include "filesize.h"
#include "listpaths.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>

namespace {

constexpr std::size_t kEntriesPerThread = 2048;  // below this a thread costs more than it saves
constexpr std::size_t kMaxThreads = 4;
constexpr std::size_t kBatch = 256;              // entries a thread takes at a time

void QueryRange(const std::string& baseFolder, const std::vector<std::string>& names,
                const std::vector<std::uint8_t>& rowTraits, std::vector<EntrySize>& sizes, std::size_t begin,
                std::size_t end)
{
    for (std::size_t i = begin; i < end; ++i) {
        EntrySize& entry = sizes[i];
        const std::uint8_t traits = i < rowTraits.size() ? rowTraits[i] : 0;
        entry.found = QueryFileSize(ResolveRowPath(baseFolder, names[i], traits), entry.size);
    }
}

}  // namespace

std::vector<EntrySize> QueryEntrySizes(const std::string& baseFolder, const std::vector<std::string>& names,
                                       const std::vector<std::uint8_t>& rowTraits)
{
    std::vector<EntrySize> sizes(names.size());
    const std::size_t threadCount =
        std::min({kMaxThreads, std::max<std::size_t>(1, std::thread::hardware_concurrency()),
                  names.size() / kEntriesPerThread});
    if (threadCount <= 1) {
        QueryRange(baseFolder, names, rowTraits, sizes, 0, names.size());
        return sizes;
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (;;) {
            const std::size_t begin = next.fetch_add(kBatch, std::memory_order_relaxed);
            if (begin >= names.size()) {
                return;
            }
            QueryRange(baseFolder, names, rowTraits, sizes, begin, std::min(begin + kBatch, names.size()));
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threadCount; ++i) {
        helpers.emplace_back(work);
    }
    work();
    return sizes;  // the helpers join as they go out of scope
}
