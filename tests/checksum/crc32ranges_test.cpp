// One large file folded in ranges on several threads: the same CRC-32 and the same
// reports as one thread, abort and a file that shrinks while the ranges are folded.
#include "checksumtesthelpers.h"
#include "crc32combine.h"
#include "crc32engine.h"
#include "crc32ranges.h"
#include "filechunks.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kBlock = Crc32Engine::kBlockSize;
constexpr std::size_t kRange = kCrc32MinRangeBytes;

class Crc32InMemory {
public:
    Crc32InMemory()
    {
        m_engine.BuildTable();
        m_engine.SetPath(Crc32Path::Slicing16);
    }
    [[nodiscard]] std::uint32_t Register(std::uint32_t reg, std::string_view bytes) const
    {
        return m_engine.Fold(reg, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    }
    [[nodiscard]] std::uint32_t Crc(std::string_view bytes) const { return Register(0xFFFFFFFFu, bytes) ^ 0xFFFFFFFFu; }

private:
    Crc32Engine m_engine;
};

// True when `crc` is the CRC-32 of the first whole blocks of `bytes` (any number).
bool IsCrcOfLeadingBlocks(std::uint32_t crc, std::string_view bytes, const Crc32InMemory& fold)
{
    std::uint32_t reg = 0xFFFFFFFFu;
    for (std::size_t at = 0;; at += kBlock) {
        if ((reg ^ 0xFFFFFFFFu) == crc) {
            return true;
        }
        if (at >= bytes.size()) {
            return false;
        }
        reg = fold.Register(reg, bytes.substr(at, kBlock));
    }
}

struct JoinCase {
    const char* name;
    std::size_t first;
    std::size_t second;
};

TEST(Crc32Combine, JoinedRegistersEqualOneFoldOverBoth)
{
    static constexpr JoinCase kCases[] = {
        {"empty second piece", 100, 0},   {"one byte", 7, 1},
        {"empty first piece", 0, 5000},   {"a block less a byte", 3, kBlock - 1},
        {"a block", 4096, kBlock},        {"odd lengths", 12345, 54321},
        {"a MiB and a bit", 10, (1u << 20) + 3},
    };
    const Crc32InMemory fold;
    for (const JoinCase& row : kCases) {
        const std::string bytes = PatternBytes(row.first + row.second, 9);
        const std::string_view a = std::string_view(bytes).substr(0, row.first);
        const std::string_view b = std::string_view(bytes).substr(row.first);
        const std::uint32_t joined = Crc32Combine(fold.Register(0xFFFFFFFFu, a), fold.Register(0, b), b.size());
        EXPECT_EQ(joined, fold.Register(0xFFFFFFFFu, bytes)) << row.name;
    }
}

struct JoinRangesCase {
    const char* name;
    std::size_t folded[3];  // of each range of kJoinRange bytes
    std::size_t expected;   // bytes from the start the joined register covers
};

constexpr std::size_t kJoinRange = 3 * kBlock;

// After an abort or a failure the ranges hold partial registers: the join covers the
// bytes from the start up to the first gap, never a later range's bytes after it.
TEST(Crc32JoinRanges, JoinsUpToTheFirstGap)
{
    static constexpr JoinRangesCase kCases[] = {
        {"every range complete", {kJoinRange, kJoinRange, kJoinRange}, 3 * kJoinRange},
        {"first range part-folded", {kBlock, kJoinRange, kBlock}, kBlock},
        {"second part-folded, third begun", {kJoinRange, kBlock, kBlock}, kJoinRange + kBlock},
        {"second not begun, third complete", {kJoinRange, 0, kJoinRange}, kJoinRange},
        {"last part-folded", {kJoinRange, kJoinRange, 2 * kBlock}, 2 * kJoinRange + 2 * kBlock},
    };
    const Crc32InMemory fold;
    const std::string bytes = PatternBytes(3 * kJoinRange, 17);
    for (const JoinRangesCase& row : kCases) {
        std::vector<Crc32RangeFold> ranges;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::uint32_t start = i == 0 ? 0xFFFFFFFFu : 0u;
            ranges.push_back({fold.Register(start, std::string_view(bytes).substr(i * kJoinRange, row.folded[i])),
                              row.folded[i], kJoinRange});
        }
        EXPECT_EQ(Crc32JoinRanges(ranges), fold.Register(0xFFFFFFFFu, std::string_view(bytes).substr(0, row.expected)))
            << row.name;
    }
}

class Crc32Ranges : public Crc32FileTest {
protected:
    Crc32InMemory m_fold;
};

TEST_F(Crc32Ranges, DefaultThreadsAreTheHardwareThreadsUpToEight)
{
    const int threads = Crc32Engine::DefaultRangeThreads();
    EXPECT_GE(threads, 1);
    EXPECT_LE(threads, 8);
    EXPECT_EQ(m_engine.RangeThreads(), threads);
    m_engine.SetRangeThreads(0);
    EXPECT_EQ(m_engine.RangeThreads(), 1);
}

// At 1, 2 and 8 threads: the CRC-32 of the whole file, one report per block, the
// last at 100 % with the file's size, around where a file starts to be split and
// where the ranges, blocks and windows meet.
TEST_F(Crc32Ranges, SameChecksumAndReportsAsOneThread)
{
    static constexpr SizeCase kCases[] = {
        {"one range less a byte of two", 2 * kRange - 1},
        {"exactly two ranges", 2 * kRange},
        {"two ranges and a byte", 2 * kRange + 1},
        {"two ranges and a block less a byte", 2 * kRange + kBlock - 1},
        {"two ranges and a block and a byte", 2 * kRange + kBlock + 1},
        {"three ranges less a byte", 3 * kRange - 1},
        {"eight ranges and a part block", 8 * kRange + 100},
    };
    const std::string all = PatternBytes(kCases[std::size(kCases) - 1].size, 10);
    for (const SizeCase& row : kCases) {
        const std::string_view bytes(all.data(), row.size);
        const std::string path = m_dir.WriteFile("big.bin", bytes);
        const std::uint32_t expected = m_fold.Crc(bytes);
        for (const int threads : {1, 2, 8}) {
            m_engine.SetRangeThreads(threads);
            RecordingSink sink;
            m_done = 1000;  // the run's counter carries on from earlier files
            EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, static_cast<std::int64_t>(1000 + row.size), m_done),
                      kChecksumOk)
                << row.name << ", " << threads << " threads";
            EXPECT_EQ(m_crc, expected) << row.name << ", " << threads << " threads";
            EXPECT_EQ(m_done, 1000 + row.size) << row.name << ", " << threads << " threads";
            EXPECT_EQ(sink.positions.size(), (row.size + kBlock - 1) / kBlock) << row.name << ", " << threads;
            EXPECT_EQ(sink.positions.back(), 100) << row.name << ", " << threads << " threads";
            EXPECT_EQ(sink.bytesRead.back(), 1000 + row.size) << row.name << ", " << threads << " threads";
        }
    }
}

TEST_F(Crc32Ranges, SplitsOnlyCachedFilesOfSeveralRanges)
{
    const std::string small = m_dir.WriteFile("small.bin", PatternBytes(2 * kRange - 1, 11));
    const std::string large = m_dir.WriteFile("large.bin", PatternBytes(3 * kRange, 11));
    EXPECT_EQ(Crc32RangeCount(ReadOnlyFile(small), 8), 1);
    EXPECT_EQ(Crc32RangeCount(ReadOnlyFile(large), 8), 3);
    EXPECT_EQ(Crc32RangeCount(ReadOnlyFile(large), 2), 2);
    EXPECT_EQ(Crc32RangeCount(ReadOnlyFile(large), 1), 1);

    // Not in the page cache: one stream from the disk.
    const int fd = ::open(large.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    EXPECT_EQ(Crc32RangeCount(ReadOnlyFile(large), 8), 1);
}

TEST_F(Crc32Ranges, AbortBeforeTheCallFoldsNothing)
{
    const std::string path = m_dir.WriteFile("big.bin", PatternBytes(4 * kRange, 12));
    m_engine.SetRangeThreads(4);
    g_abort.store(1);
    RecordingSink sink;
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_TRUE(sink.positions.empty());
    EXPECT_EQ(m_done, 0u);
}

// Raised at the first report, the abort stops every range: no report follows it, and
// the checksum covers only bytes from the start that were folded.
TEST_F(Crc32Ranges, AbortStopsEveryRange)
{
    const std::string bytes = PatternBytes(4 * kRange, 13);
    const std::string path = m_dir.WriteFile("big.bin", bytes);
    for (const int threads : {2, 8}) {
        m_engine.SetRangeThreads(threads);
        g_abort.store(0);
        RecordingSink sink;
        sink.onReport = [](std::size_t) { g_abort.store(1); };
        m_done = 0;
        EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, 0, m_done), kChecksumOk) << threads;
        EXPECT_EQ(sink.positions.size(), 1u) << threads;
        EXPECT_EQ(m_done, sink.bytesRead.back()) << threads;
        EXPECT_NE(m_crc, m_fold.Crc(bytes)) << threads;
        EXPECT_TRUE(IsCrcOfLeadingBlocks(m_crc, std::string_view(bytes).substr(0, kRange), m_fold)) << threads;
    }
}

// Bytes appended while the ranges are folded are read after them.
TEST_F(Crc32Ranges, BytesAppendedWhileFoldingCount)
{
    const std::string first = PatternBytes(2 * kRange + 10, 14);
    const std::string added = PatternBytes(5 * kBlock + 3, 15);
    const std::string path = m_dir.WriteFile("growing.bin", first);
    m_engine.SetRangeThreads(2);
    RecordingSink sink;
    sink.onReport = [&](std::size_t count) {
        if (count == 1) {
            AppendToFile(path, added);
        }
    };
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_crc, m_fold.Crc(first + added));
    EXPECT_EQ(m_done, first.size() + added.size());
    EXPECT_EQ(sink.bytesRead.back(), first.size() + added.size());
}

// A file cut short while its ranges are read: no crash, a read error (the row is then
// Missing with its reason), and the checksum covers only bytes from the start that were
// folded before the loss.
TEST_F(Crc32Ranges, FileThatShrinksWhileFoldedEndsTheFile)
{
    const std::string bytes = PatternBytes(4 * kRange, 16);
    for (const int threads : {1, 2, 8}) {
        const std::string path = m_dir.WriteFile("shrinking.bin", bytes);
        m_engine.SetRangeThreads(threads);
        RecordingSink sink;
        sink.onReport = [&](std::size_t count) {
            if (count == 2) {
                ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kBlock)), 0);
            }
        };
        m_done = 0;
        EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, 0, m_done), FileChunks::kShrankError) << threads;
        EXPECT_NE(m_crc, m_fold.Crc(bytes)) << threads;
        EXPECT_TRUE(IsCrcOfLeadingBlocks(m_crc, std::string_view(bytes).substr(0, kRange), m_fold)) << threads;
        EXPECT_LT(m_done, bytes.size()) << threads;
    }
}

}  // namespace
