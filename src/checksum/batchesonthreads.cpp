#include "batchesonthreads.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kMaxThreads = 4;

}  // namespace

void RunBatchesOnThreads(std::size_t count, std::size_t itemsPerThread, std::size_t runLength,
                         const std::function<void(std::size_t, std::size_t, FileBatchReader&)>& work)
{
    const std::size_t threadCount = std::min({kMaxThreads, std::max<std::size_t>(1, std::thread::hardware_concurrency()),
                                              count / std::max<std::size_t>(1, itemsPerThread)});
    if (threadCount <= 1) {
        FileBatchReader reader(0);
        if (count < FileBatchReader::kMaxBatch) {
            reader.UseOneAtATime();
        }
        work(0, count, reader);
        return;
    }
    std::atomic<std::size_t> next{0};
    const auto share = [&] {
        FileBatchReader reader(0);
        for (;;) {
            const std::size_t begin = next.fetch_add(runLength, std::memory_order_relaxed);
            if (begin >= count) {
                return;
            }
            work(begin, std::min(begin + runLength, count), reader);
        }
    };
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < threadCount; ++i) {
        helpers.emplace_back(share);
    }
    share();
}
