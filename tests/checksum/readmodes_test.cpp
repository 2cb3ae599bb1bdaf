// Every way the engines read a file gives the checksum of its bytes: read() through
// the thread's buffer, ranges read with pread() on several threads (CRC-32), and small
// files read ahead into memory, alone or with a batch of others. Bytes added while a file is hashed still count, and a
// file that shrinks under the reader gives a read error or ends the file.
#include "checksumtesthelpers.h"
#include "crc32engine.h"
#include "filesize.h"
#include "crc32ranges.h"
#include "filebatchreader.h"
#include "filechunks.h"
#include "md5.h"
#include "md5file.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "shacontext.h"
#include "shafile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <span>
#include <vector>
#include <string>

namespace {

constexpr std::size_t kBuffer = ReadBuffer::kCapacity;
constexpr std::size_t kRange = kCrc32MinRangeBytes;
constexpr std::size_t kCrcBlock = Crc32Engine::kBlockSize;

std::uint32_t CrcOf(std::string_view bytes)
{
    Crc32Engine engine;
    engine.BuildTable();
    engine.SetPath(Crc32Path::Slicing16);
    return engine.Fold(0xFFFFFFFFu, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) ^
           0xFFFFFFFFu;
}

std::string Md5Of(std::string_view bytes)
{
    Md5 md5;
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

// How a test has the engines read the file.
enum class ReadMode { Whole, Ranges, ReadAhead, Batched };

const char* ModeName(ReadMode mode)
{
    switch (mode) {
    case ReadMode::Whole:
        return "read()";
    case ReadMode::Ranges:
        return "ranges with pread()";
    case ReadMode::Batched:
        return "read whole in a batch";
    default:
        return "read ahead";
    }
}

class ReadModes : public Crc32FileTest {
protected:
    // The file at `path` opened for `mode` (CRC-32 ranges are set on the engine).
    ReadOnlyFile Open(const std::string& path, ReadMode mode)
    {
        m_engine.SetRangeThreads(mode == ReadMode::Ranges ? 3 : 1);
        if (mode == ReadMode::Batched) {
            std::uint64_t size = 0;
            EXPECT_TRUE(QueryFileSize(path, size)) << path;
            FileBatchReader reader(static_cast<std::size_t>(size));
            const AnchoredPath anchored{AT_FDCWD, path.c_str()};
            std::vector<ReadOnlyFile> files = reader.Open(std::span(&anchored, 1));
            EXPECT_LT(files.front().Descriptor(), 0) << path << " was not read whole";
            return std::move(files.front());
        }
        ReadOnlyFile file(path);
        if (mode == ReadMode::ReadAhead) {
            EXPECT_TRUE(file.PreRead(file.Size())) << path;
        }
        return file;
    }
};

// Every engine in every mode: the checksum of the bytes and one report per block,
// around the buffer's size and where files start to be split into ranges and where
// the ranges end.
TEST_F(ReadModes, EveryEngineGivesTheSameDigestInEveryMode)
{
    static constexpr SizeCase kCases[] = {
        {"one byte", 1},
        {"buffer less a byte", kBuffer - 1},
        {"exactly the buffer", kBuffer},
        {"buffer and a byte", kBuffer + 1},
        {"two ranges less a byte", 2 * kRange - 1},
        {"exactly two ranges", 2 * kRange},
        {"two ranges and a part block", 2 * kRange + 1000},
        {"three ranges and a buffer and a byte", 3 * kRange + kBuffer + 1},
    };
    const std::string all = PatternBytes(kCases[std::size(kCases) - 1].size, 3);
    for (const SizeCase& row : kCases) {
        const std::string_view bytes(all.data(), row.size);
        const std::string path = m_dir.WriteFile("data.bin", bytes);
        const auto total = static_cast<std::int64_t>(row.size);
        for (const ReadMode mode : {ReadMode::Whole, ReadMode::Ranges, ReadMode::ReadAhead, ReadMode::Batched}) {
            const std::string name = std::string(row.name) + ", " + ModeName(mode);
            {
                ReadOnlyFile file = Open(path, mode);
                RecordingSink sink;
                m_done = 0;
                EXPECT_EQ(m_engine.ChecksumFile(file, m_crc, sink, total, m_done), kChecksumOk) << name;
                EXPECT_EQ(m_crc, CrcOf(bytes)) << name;
                EXPECT_EQ(sink.positions.size(), (row.size + kCrcBlock - 1) / kCrcBlock) << name;
                EXPECT_EQ(sink.bytesRead.back(), row.size) << name;
            }
            if (mode == ReadMode::Ranges) {
                continue;  // MD5 and SHA read one stream: each block needs the state of all before it
            }
            {
                ReadOnlyFile file = Open(path, mode);
                RecordingSink sink;
                m_done = 0;
                EXPECT_EQ(Md5File(file, path, sink, total, m_done), Md5Of(bytes)) << name;
                EXPECT_EQ(sink.positions.size(), (row.size + kMd5BlockSize - 1) / kMd5BlockSize) << name;
                EXPECT_EQ(sink.positions.back(), 100) << name;
            }
            {
                ReadOnlyFile file = Open(path, mode);
                RecordingSink sink;
                m_done = 0;
                EXPECT_EQ(ShaFile(file, path, DigestAlgorithm::Sha256, sink, total, m_done), Sha256Of(bytes))
                    << name;
                EXPECT_EQ(sink.positions.size(), (row.size + kShaBlockSize - 1) / kShaBlockSize) << name;
            }
        }
    }
}

// A range read with pread() holds exactly its bytes, whatever the file's reading
// position, and a range that ends past the file's end (it shrank) ends in a read error.
TEST_F(ReadModes, RangeReadsItsOwnBytes)
{
    const std::string bytes = PatternBytes(3 * kBuffer + 100, 4);
    const std::string path = m_dir.WriteFile("data.bin", bytes);
    ReadOnlyFile file(path);
    ASSERT_TRUE(file.SkipTo(17));
    struct RangeCase {
        const char* name;
        std::size_t begin;
        std::size_t end;
        int error;
    };
    static constexpr RangeCase kCases[] = {
        {"inside one buffer", 4096, 8192, 0},
        {"across buffers", kBuffer - 10, 2 * kBuffer + 10, 0},
        {"to the end", kBuffer, 3 * kBuffer + 100, 0},
        {"past the end", 2 * kBuffer, 4 * kBuffer, FileChunks::kShrankError},
    };
    for (const RangeCase& row : kCases) {
        FileChunks chunks(file, row.begin, row.end);
        std::string read;
        int error = 0;
        for (;;) {
            const FileChunks::Chunk chunk = chunks.Next();
            read.append(reinterpret_cast<const char*>(chunk.data), chunk.bytes);
            error = chunk.error;
            if (chunk.bytes == 0 || chunk.error != 0) {
                break;
            }
        }
        EXPECT_EQ(error, row.error) << row.name;
        EXPECT_EQ(read, std::string_view(bytes).substr(row.begin, row.end - row.begin)) << row.name;
    }
    EXPECT_EQ(file.Position(), 17u);
}

// A file read to its end as it is when read: bytes appended while it is hashed are
// read after the rest, in every mode that reads from the file.
TEST_F(ReadModes, BytesAppendedWhileHashingCount)
{
    const std::string first = PatternBytes(2 * kRange + 100, 4);
    const std::string added = PatternBytes(3 * kCrcBlock + 7, 5);
    for (const ReadMode mode : {ReadMode::Whole, ReadMode::Ranges}) {
        const std::string path = m_dir.WriteFile("growing.bin", first);
        RecordingSink sink;
        sink.onReport = [&](std::size_t count) {
            if (count == 1) {
                Append(path, added);
            }
        };
        ReadOnlyFile file = Open(path, mode);
        m_done = 0;
        EXPECT_EQ(m_engine.ChecksumFile(file, m_crc, sink, 0, m_done), kChecksumOk) << ModeName(mode);
        EXPECT_EQ(m_crc, CrcOf(first + added)) << ModeName(mode);
        EXPECT_EQ(m_done, first.size() + added.size()) << ModeName(mode);

        const std::string more = PatternBytes(kMd5BlockSize + 3, 6);
        RecordingSink md5Sink;
        md5Sink.onReport = [&](std::size_t count) {
            if (count == 1) {
                Append(path, more);
            }
        };
        m_done = 0;
        ReadOnlyFile again(path);
        EXPECT_EQ(Md5File(again, path, md5Sink, 0, m_done), Md5Of(first + added + more)) << ModeName(mode);
    }
}

struct ShrinkCase {
    const char* name;
    std::size_t size;        // of the file before it shrinks
    std::size_t truncateAt;  // report after which it shrinks (0: the last)
    std::size_t newSize;
    bool bytesReadAreLost;   // the file lost bytes already read: what was read is no version of it
};

const ShrinkCase kShrinkCases[] = {
    {"to a block in the first buffer", 2 * kRange, 3, 2 * kCrcBlock, true},
    {"to nothing", 2 * kRange, 3, 0, true},
    {"inside a buffer still ahead", 2 * kRange, 3, 3 * kBuffer + 100, false},
    {"inside the last block, already read", 3 * kBuffer + 3 * kCrcBlock, 0, 3 * kBuffer + 3 * kCrcBlock - 10, true},
};

// The CRC-32 engine ends the file where bytes were lost and returns the read error (EIO),
// which makes the row Missing with its reason: no crash, no more than the file had. A
// file cut only past the bytes read by one reader is the shorter file, read whole; a
// range reaching past the new end is lost bytes.
TEST_F(ReadModes, Crc32OfAFileThatShrinksEndsTheFile)
{
    for (const ReadMode mode : {ReadMode::Whole, ReadMode::Ranges}) {
        for (const ShrinkCase& row : kShrinkCases) {
            const std::string name = std::string(row.name) + ", " + ModeName(mode);
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
            ReadOnlyFile file = Open(path, mode);
            m_done = 0;
            const bool lost = row.bytesReadAreLost || mode == ReadMode::Ranges;
            EXPECT_EQ(m_engine.ChecksumFile(file, m_crc, sink, 0, m_done), lost ? FileChunks::kShrankError : kChecksumOk)
                << name;
            EXPECT_LE(m_done, row.size) << name;
            if (row.truncateAt == 0) {
                EXPECT_EQ(m_crc, CrcOf(bytes)) << name;  // every byte was read before the cut
            } else {
                EXPECT_NE(m_crc, CrcOf(bytes)) << name;
            }
        }
    }
}

// MD5 and SHA raise FileError with EIO for a file that lost bytes already read; one
// cut only past the bytes read gives the digest of the shorter file.
TEST_F(ReadModes, DigestOfAFileThatShrinksRaisesAReadError)
{
    for (const DigestAlgorithm algorithm : {DigestAlgorithm::Md5, DigestAlgorithm::Sha256}) {
        for (const ShrinkCase& row : kShrinkCases) {
            const std::string bytes = PatternBytes(row.size, 7);
            const std::string path = m_dir.WriteFile("shrinking.bin", bytes);
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
            const std::string_view shorter = std::string_view(bytes).substr(0, row.newSize);
            try {
                const std::string digest = algorithm == DigestAlgorithm::Md5
                                               ? Md5File(file, path, sink, 0, m_done)
                                               : ShaFile(file, path, algorithm, sink, 0, m_done);
                EXPECT_FALSE(row.bytesReadAreLost) << row.name << ": gave " << digest;
                EXPECT_EQ(digest, algorithm == DigestAlgorithm::Md5 ? Md5Of(shorter) : Sha256Of(shorter)) << row.name;
            } catch (const FileError& error) {
                EXPECT_TRUE(row.bytesReadAreLost) << row.name;
                EXPECT_EQ(error.ErrorCode(), EIO) << row.name;
                EXPECT_EQ(error.Path(), path) << row.name;
            }
        }
    }
}

}  // namespace
