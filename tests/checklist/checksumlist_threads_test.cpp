#include "checksumlist.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace {

constexpr int kRows = 120;
constexpr int kPasses = 40;

// A size whose two halves repeat one pattern, so a torn read would show mixed halves.
std::uint64_t SizeOfPass(int pass)
{
    const auto half = static_cast<std::uint64_t>(pass + 1) * 0x01010101u;
    return (half << 32) | half;
}

bool IsWholeSize(std::uint64_t size)
{
    return size == kSizeNotFound || (size >> 32) == (size & 0xFFFFFFFFu);
}

// One worker writes what a verification run writes while the GUI thread reads it.
TEST(ChecksumListThreadsTest, ReaderSeesConsistentValuesWhileOneWorkerWrites)
{
    ChecksumList list;
    {
        ChecksumListContent content;
        for (int row = 0; row < kRows; ++row) {
            content.rows.Append("file" + std::to_string(row), "");
        }
        list.Replace(std::move(content));
    }
    std::atomic<bool> writerDone{false};

    std::thread worker([&] {
        list.SetRunState(RunState::Running);
        std::uint64_t bytes = 0;
        for (int pass = 0; pass < kPasses; ++pass) {
            for (int row = 0; row < kRows; ++row) {
                list.SetCurrentIndex(row);
                list.SetRowStatus(row, static_cast<int>(EntryStatus::Checking));
                list.SetRowSize(row, SizeOfPass(pass));
                bytes += 100;
                list.SetBytesDone(bytes);
                const int checked = row % (kRows / 3);
                list.SetCounters(checked, 2 * checked, 0, kRows - 3 * checked);
                list.SetRowStatus(row, static_cast<int>(EntryStatus::OK));
            }
        }
        list.SetRunState(RunState::Stopped);
        writerDone.store(true, std::memory_order_release);
    });

    int reads = 0;
    std::uint64_t lastBytes = 0;
    bool consistent = true;
    while (!writerDone.load(std::memory_order_acquire) || reads < 1000) {
        const int row = reads % kRows;
        const Counters counters = list.GetCounters();
        consistent &= counters.bad == 2 * counters.ok;
        consistent &= counters.ok + counters.bad + counters.missing + counters.unchecked == kRows;
        consistent &= IsWholeSize(list.RowSize(row));
        consistent &= static_cast<int>(list.RowStatus(row)) <= static_cast<int>(EntryStatus::Missing);
        const std::uint64_t bytes = list.BytesDone();
        consistent &= bytes >= lastBytes;
        lastBytes = bytes;
        const int index = list.CurrentIndex();
        consistent &= index >= 0 && index < kRows;
        consistent &= list.GetRunState() != RunState::Paused;
        ++reads;
    }
    worker.join();

    EXPECT_TRUE(consistent);
    EXPECT_EQ(list.BytesDone(), std::uint64_t{100} * kRows * kPasses);
    EXPECT_EQ(list.RowSize(kRows - 1), SizeOfPass(kPasses - 1));
    EXPECT_EQ(list.RowStatus(0), EntryStatus::OK);
    EXPECT_EQ(list.GetRunState(), RunState::Stopped);
}

}  // namespace
