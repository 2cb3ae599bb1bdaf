// One large file hashed on several threads through BLAKE3's tree: the same digest and
// the same reports as one thread, abort, and files that grow or shrink meanwhile.
#include "blake3.h"
#include "blake3file.h"
#include "blake3ranges.h"
#include "blake3testhelpers.h"
#include "checksumtesthelpers.h"
#include "filechunks.h"
#include "md5file.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string UpperBlake3(const std::string& bytes)
{
    Blake3 hasher;
    hasher.Update(Bytes(bytes), bytes.size());
    return hasher.FinalHex();
}

// The digests of every prefix of `bytes` that ends on a segment boundary or at its end.
std::set<std::string> SegmentPrefixDigests(const std::string& bytes)
{
    std::set<std::string> digests;
    Blake3 hasher;
    digests.insert(hasher.FinalHex());
    for (std::size_t at = 0; at < bytes.size(); at += kBlake3SegmentBytes) {
        hasher.Update(Bytes(bytes) + at, std::min<std::size_t>(kBlake3SegmentBytes, bytes.size() - at));
        digests.insert(hasher.FinalHex());
    }
    return digests;
}

class Blake3Ranges : public AbortFlagTest {
protected:
    std::string HashFile(const std::string& path, int threads, ProgressSink& sink)
    {
        ReadOnlyFile file(path);
        return Blake3File(file, path, threads, sink, 0, m_done);
    }

    TempDir m_dir;
    std::uint64_t m_done = 0;
};

TEST_F(Blake3Ranges, SameDigestAndReportsOnOneTwoAndEightThreads)
{
    const std::string bytes = PatternBytes(8 * kBlake3MinRangeBytes + 12345, 31);
    const std::string path = m_dir.WriteFile("big.bin", bytes);
    const std::string expected = UpperBlake3(bytes);
    for (const int threads : {1, 2, 8}) {
        RecordingSink sink;
        m_done = 0;
        EXPECT_EQ(HashFile(path, threads, sink), expected) << threads;
        EXPECT_EQ(m_done, bytes.size()) << threads;
        EXPECT_EQ(sink.positions.size(), (bytes.size() + kBlake3ProgressStep - 1) / kBlake3ProgressStep) << threads;
        EXPECT_EQ(sink.bytesRead.back(), bytes.size()) << threads;
    }
}

// Range counts the size rule would not choose for a small file, and sizes at the edges
// of the last segment, straight through the range hashing.
TEST_F(Blake3Ranges, AnyRangeCountJoinsToTheOneThreadDigest)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{100}, 2 * kBlake3SegmentBytes + 1,
                                   33 * kBlake3SegmentBytes, 33 * kBlake3SegmentBytes + 1, 40 * kBlake3SegmentBytes - 1}) {
        const std::string bytes = PatternBytes(size, 32);
        const std::string path = m_dir.WriteFile("file.bin", bytes);
        for (const int ranges : {1, 2, 3, 8}) {
            ReadOnlyFile file(path);
            Blake3 hasher;
            NullProgressSink sink;
            m_done = 0;
            EXPECT_EQ(Blake3HashInRanges(file, ranges, hasher, sink, 0, m_done), 0);
            EXPECT_EQ(hasher.FinalHex(), UpperBlake3(bytes)) << size << " bytes in " << ranges << " ranges";
            EXPECT_EQ(m_done, size);
        }
    }
}

TEST_F(Blake3Ranges, SplitsOnlyCachedFilesOfSeveralRanges)
{
    const std::string small = m_dir.WritePatternFile("small.bin", 2 * kBlake3MinRangeBytes - 1, 33);
    const std::string large = m_dir.WritePatternFile("large.bin", 3 * kBlake3MinRangeBytes, 34);
    EXPECT_EQ(Blake3RangeCount(ReadOnlyFile(small), 8), 1);
    EXPECT_EQ(Blake3RangeCount(ReadOnlyFile(large), 8), 3);
    EXPECT_EQ(Blake3RangeCount(ReadOnlyFile(large), 2), 2);
    EXPECT_EQ(Blake3RangeCount(ReadOnlyFile(large), 1), 1);
    EXPECT_GE(Blake3DefaultThreads(), 1);
}

// Raised at the first report, the abort stops every range: no report follows it, and
// the digest is that of bytes from the start that were hashed.
TEST_F(Blake3Ranges, AbortStopsEveryRangeWithADigestOfAPrefix)
{
    const std::string bytes = PatternBytes(4 * kBlake3MinRangeBytes, 35);
    const std::string path = m_dir.WriteFile("big.bin", bytes);
    const std::set<std::string> prefixes = SegmentPrefixDigests(bytes);
    for (const int threads : {2, 8}) {
        g_abort.store(0);
        RecordingSink sink;
        sink.onReport = [](std::size_t) { g_abort.store(1); };
        m_done = 0;
        const std::string digest = HashFile(path, threads, sink);
        EXPECT_EQ(sink.positions.size(), 1u) << threads;
        EXPECT_LT(m_done, bytes.size()) << threads;
        EXPECT_NE(digest, UpperBlake3(bytes)) << threads;
        EXPECT_EQ(prefixes.count(digest), 1u) << threads;
    }
}

// Bytes appended while the ranges are hashed are read after them.
TEST_F(Blake3Ranges, BytesAppendedWhileHashingCount)
{
    const std::string first = PatternBytes(2 * kBlake3MinRangeBytes + 10, 36);
    const std::string added = PatternBytes(5 * kBlake3ProgressStep + 3, 37);
    const std::string path = m_dir.WriteFile("growing.bin", first);
    RecordingSink sink;
    sink.onReport = [&](std::size_t count) {
        if (count == 1) {
            AppendToFile(path, added);
        }
    };
    EXPECT_EQ(HashFile(path, 2, sink), UpperBlake3(first + added));
    EXPECT_EQ(m_done, first.size() + added.size());
}

// A file cut short while its ranges are read: a read error, no crash.
TEST_F(Blake3Ranges, FileThatShrinksWhileHashedIsAReadError)
{
    const std::string bytes = PatternBytes(4 * kBlake3MinRangeBytes, 38);
    for (const int threads : {1, 2, 8}) {
        const std::string path = m_dir.WriteFile("shrinking.bin", bytes);
        RecordingSink sink;
        sink.onReport = [&](std::size_t count) {
            if (count == 2) {
                ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(kBlake3ProgressStep)), 0);
            }
        };
        m_done = 0;
        try {
            (void)HashFile(path, threads, sink);
            ADD_FAILURE() << "no error raised, threads " << threads;
        } catch (const FileError& error) {
            EXPECT_EQ(error.ErrorCode(), FileChunks::kShrankError) << threads;
        }
        EXPECT_LT(m_done, bytes.size()) << threads;
    }
}

}  // namespace
