// Large files are hashed straight from a mapping: the same checksums and reports as
// reading, bytes added while hashing still count, and a file that shrinks while
// mapped gives a read error instead of ending the program.
#include "checksumtesthelpers.h"
#include "crc32engine.h"
#include "filechunks.h"
#include "md5.h"
#include "md5file.h"
#include "readonlyfile.h"
#include "shacontext.h"
#include "shafile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kMapThreshold = FileChunks::kMapThreshold;
constexpr std::size_t kWindow = FileChunks::kWindow;
constexpr std::size_t kCrcBlock = CCrc32Engine::kBlockSize;

// Cheap repeatable bytes (files of many MiB).
std::string PatternBytes(std::size_t size, std::uint32_t seed)
{
    std::string bytes(size, '\0');
    std::uint32_t state = seed * 2654435761u + 1;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

std::uint32_t CrcOf(std::string_view bytes)
{
    CCrc32Engine engine;
    engine.BuildTable();
    engine.SetPath(Crc32Path::Slicing16);
    return engine.Fold(0xFFFFFFFFu, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) ^
           0xFFFFFFFFu;
}

std::string Md5Of(std::string_view bytes)
{
    CMd5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return md5.Final();
}

std::string Sha256Of(std::string_view bytes)
{
    ShaContext sha(DigestAlgorithm::Sha256);
    sha.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return sha.Final();
}

void Append(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class MappedRead : public Crc32FileTest {
protected:
    void SetUp() override
    {
        Crc32FileTest::SetUp();
        m_engine.SetRangeThreads(1);
    }
};

// Every engine gives the checksum of the bytes and one report per block on either side
// of the size from which files are mapped and around the mapping's windows.
TEST_F(MappedRead, EveryEngineAcrossMappingBoundaries)
{
    static constexpr SizeCase kCases[] = {
        {"just below the mapping size", kMapThreshold - 1},
        {"exactly the mapping size", kMapThreshold},
        {"mapping size and a byte", kMapThreshold + 1},
        {"one window and a part block", kWindow + 1000},
        {"two windows and a block", 2 * kWindow + kCrcBlock},
    };
    const std::string all = PatternBytes(kCases[std::size(kCases) - 1].size, 3);
    for (const SizeCase& row : kCases) {
        const std::string_view bytes(all.data(), row.size);
        const std::string path = m_dir.WriteFile("data.bin", bytes);
        const auto total = static_cast<std::int64_t>(row.size);

        RecordingSink crcSink;
        m_done = 0;
        EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, crcSink, total, m_done), kChecksumOk) << row.name;
        EXPECT_EQ(m_crc, CrcOf(bytes)) << row.name;
        EXPECT_EQ(crcSink.positions.size(), (row.size + kCrcBlock - 1) / kCrcBlock) << row.name;
        EXPECT_EQ(crcSink.bytesRead.back(), row.size) << row.name;

        RecordingSink md5Sink;
        m_done = 0;
        EXPECT_EQ(Md5File(path, md5Sink, total, m_done), Md5Of(bytes)) << row.name;
        EXPECT_EQ(md5Sink.positions.size(), (row.size + kMd5BlockSize - 1) / kMd5BlockSize) << row.name;
        EXPECT_EQ(md5Sink.positions.back(), 100) << row.name;

        RecordingSink shaSink;
        m_done = 0;
        ReadOnlyFile file(path);
        EXPECT_EQ(ShaFile(file, path, DigestAlgorithm::Sha256, shaSink, total, m_done), Sha256Of(bytes)) << row.name;
        EXPECT_EQ(shaSink.positions.size(), (row.size + kShaBlockSize - 1) / kShaBlockSize) << row.name;
    }
}

// Only large files in the page cache are mapped; one that must come from the disk is
// read, as are small ones.
TEST_F(MappedRead, OnlyLargeCachedFilesAreMapped)
{
    const std::string small = m_dir.WriteFile("small.bin", PatternBytes(kMapThreshold - 1, 2));
    const std::string large = m_dir.WriteFile("large.bin", PatternBytes(kMapThreshold, 2));
    ReadOnlyFile smallFile(small);
    ReadOnlyFile largeFile(large);
    EXPECT_FALSE(FileChunks(smallFile).Mapped());
    EXPECT_TRUE(FileChunks(largeFile).Mapped());

    const int fd = ::open(large.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
    ReadOnlyFile evicted(large);
    EXPECT_FALSE(FileChunks(evicted).Mapped());
}

// A file read to its end as it is when read: bytes appended while the mapped part is
// hashed are read after it.
TEST_F(MappedRead, BytesAppendedWhileHashingCount)
{
    const std::string first = PatternBytes(kMapThreshold + 100, 4);
    const std::string added = PatternBytes(3 * kCrcBlock + 7, 5);
    const std::string path = m_dir.WriteFile("growing.bin", first);
    m_sink.onReport = [&](std::size_t count) {
        if (count == 1) {
            Append(path, added);
        }
    };
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_crc, CrcOf(first + added));
    EXPECT_EQ(m_done, first.size() + added.size());
}

struct ShrinkCase {
    const char* name;
    std::size_t size;       // of the file before it shrinks
    std::size_t truncateAt;  // report after which it shrinks
    std::size_t newSize;
};

// Mapped pages past the new end raise SIGBUS when touched; the last page's lost tail
// reads as zeros. Either way the file that shrank is a read error: the CRC-32 engine
// returns EIO with the CRC of the bytes before it, the digests raise FileError with EIO.
const ShrinkCase kShrinkCases[] = {
    {"to a page boundary before the block being read", 2 * kMapThreshold, 3, 2 * kCrcBlock},
    {"to nothing", 2 * kMapThreshold, 3, 0},
    {"inside a page still ahead", 2 * kMapThreshold, 3, 5 * kCrcBlock + 100},
    {"inside the last page", kMapThreshold + 3 * kCrcBlock, 0, kMapThreshold + 3 * kCrcBlock - 10},
};

TEST_F(MappedRead, Crc32OfAFileThatShrinksEndsWhereTheBytesWereLost)
{
    for (const ShrinkCase& row : kShrinkCases) {
        const std::string bytes = PatternBytes(row.size, 6);
        const std::string path = m_dir.WriteFile("shrinking.bin", bytes);
        const std::size_t blocks = (row.size + kCrcBlock - 1) / kCrcBlock;
        const std::size_t at = row.truncateAt == 0 ? blocks - 1 : row.truncateAt;
        RecordingSink sink;
        sink.onReport = [&](std::size_t count) {
            if (count == at) {
                ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(row.newSize)), 0);
            }
        };
        m_done = 0;
        EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, sink, 0, m_done), FileChunks::kShrankError) << row.name;
        EXPECT_NE(m_crc, CrcOf(bytes)) << row.name;
        if (row.newSize % kCrcBlock == 0 && row.newSize <= at * kCrcBlock) {
            // The next block lies wholly past the end: the fault comes before it is folded.
            EXPECT_EQ(m_crc, CrcOf(std::string_view(bytes).substr(0, at * kCrcBlock))) << row.name;
            EXPECT_EQ(m_done, at * kCrcBlock) << row.name;
        }
    }
}

TEST_F(MappedRead, DigestOfAFileThatShrinksRaisesAReadError)
{
    for (const DigestAlgorithm algorithm : {DigestAlgorithm::Md5, DigestAlgorithm::Sha256}) {
        for (const ShrinkCase& row : kShrinkCases) {
            const std::string path = m_dir.WriteFile("shrinking.bin", PatternBytes(row.size, 7));
            const std::size_t block = algorithm == DigestAlgorithm::Md5 ? kMd5BlockSize : kShaBlockSize;
            const std::size_t at = row.truncateAt == 0 ? (row.size + block - 1) / block - 1 : row.truncateAt;
            RecordingSink sink;
            sink.onReport = [&](std::size_t count) {
                if (count == at) {
                    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(row.newSize)), 0);
                }
            };
            m_done = 0;
            ReadOnlyFile file(path);
            try {
                const std::string digest = algorithm == DigestAlgorithm::Md5
                                               ? Md5File(file, path, sink, 0, m_done)
                                               : ShaFile(file, path, algorithm, sink, 0, m_done);
                ADD_FAILURE() << row.name << ": gave " << digest;
            } catch (const FileError& error) {
                EXPECT_EQ(error.ErrorCode(), EIO) << row.name;
                EXPECT_EQ(error.Path(), path) << row.name;
            }
        }
    }
}

// The guard turns only faults in its own bytes into a failure: a fault elsewhere still
// ends the program as it would have without the guard.
TEST(BusErrorGuardDeathTest, FaultOutsideTheGuardedBytesIsNotSwallowed)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const TempDir dir;
    const std::string path = dir.WriteFile("short.bin", PatternBytes(2 * 4096, 8));
    EXPECT_DEATH(
        {
            const int fd = ::open(path.c_str(), O_RDONLY);
            auto* map = static_cast<volatile unsigned char*>(::mmap(nullptr, 2 * 4096, PROT_READ, MAP_SHARED, fd, 0));
            (void)::truncate(path.c_str(), 0);
            unsigned char ignored = 0;
            auto body = [&]() noexcept { ignored = 1; };
            // Arms a guard over other bytes, then touches the lost page outside it.
            if (RunGuardedAgainstBusError(&ignored, 1, body)) {
                ignored = map[4096];
            }
            std::fprintf(stderr, "read %d\n", ignored);
            std::_Exit(0);
        },
        "");
}

}  // namespace
