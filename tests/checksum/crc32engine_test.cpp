#include "checksumtesthelpers.h"
#include "crc32engine.h"
#include "pumpmessages.h"
#include "readbuffer.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kBlock = Crc32Engine::kBlockSize;
constexpr std::size_t kBufferBytes = ReadBuffer::kCapacity;  // the engines' read-ahead buffer

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Crc32FileAcrossPaths : public ::testing::TestWithParam<Crc32Path> {};

// Every fold reads files end to end with the same checksum and one report per
// 4096-byte block, whatever the file's size relative to the blocks and the buffer.
TEST_P(Crc32FileAcrossPaths, SizesAroundBlockAndBufferBoundaries)
{
    if (!Crc32PathSupported(GetParam())) {
        GTEST_SKIP() << "the CPU lacks " << Crc32PathName(GetParam());
    }
    static constexpr SizeCase kCases[] = {
        {"empty", 0},
        {"one byte", 1},
        {"one block less a byte", kBlock - 1},
        {"exactly one block", kBlock},
        {"one block and a byte", kBlock + 1},
        {"buffer less a byte", kBufferBytes - 1},
        {"exactly the buffer", kBufferBytes},
        {"buffer and a byte", kBufferBytes + 1},
        {"two buffers and a part block", 2 * kBufferBytes + 1000},
    };
    g_abort.store(0);
    const TempDir dir;
    Crc32Engine engine;
    engine.BuildTable();
    engine.SetPath(GetParam());
    unsigned seed = 1;
    for (const SizeCase& row : kCases) {
        const std::string path = dir.WritePatternFile("data.bin", row.size, seed++);
        RecordingSink sink;
        std::uint32_t crc = 0;
        std::uint64_t done = 0;
        EXPECT_EQ(engine.ChecksumFile(path, crc, sink, static_cast<std::int64_t>(row.size), done), kChecksumOk)
            << row.name;
        EXPECT_EQ(crc, ReferenceCrc(ReadAll(path))) << row.name;
        EXPECT_EQ(done, row.size) << row.name;
        EXPECT_EQ(sink.positions.size(), (row.size + kBlock - 1) / kBlock) << row.name;
        if (!sink.positions.empty()) {
            EXPECT_EQ(sink.positions.back(), 100) << row.name;
            EXPECT_EQ(sink.bytesRead.back(), row.size) << row.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPath, Crc32FileAcrossPaths, kEveryCrc32Path, PathTestName);

class Crc32File : public Crc32FileTest {};

TEST_F(Crc32File, NineDigitsGiveTheCheckValue)
{
    const std::string path = m_dir.WriteFile("digits.txt", "123456789");
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 9, m_done), kChecksumOk);
    EXPECT_EQ(m_crc, 0xCBF43926u);
    EXPECT_EQ(m_sink.positions, std::vector<int>{100});
}

TEST_F(Crc32File, RunWidePercentageAndCounter)
{
    const std::string path = m_dir.WritePatternFile("quarter.bin", 250);
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 1000, m_done), kChecksumOk);
    EXPECT_EQ(m_sink.positions, std::vector<int>{25});
    EXPECT_EQ(m_done, 250u);

    // The counter runs on across files; bytes beyond the total report above 100.
    m_done = 1000;
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 1000, m_done), kChecksumOk);
    EXPECT_EQ(m_sink.positions.back(), 125);
    EXPECT_EQ(m_done, 1250u);
}

TEST_F(Crc32File, TotalOfZeroDoesNotFault)
{
    const std::string path = m_dir.WritePatternFile("grown.bin", kBlock + 10);
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_sink.positions, (std::vector<int>{100, 100}));
}

TEST_F(Crc32File, PumpsOncePerBlockAndStoresTheRegisterBeforeIt)
{
    const std::string path = m_dir.WritePatternFile("three.bin", 2 * kBlock + 5);
    const std::string bytes = ReadAll(path);
    struct Seen {
        std::uint32_t* crc;
        std::vector<std::uint32_t> registers;
    } seen{&m_crc, {}};
    {
        const ScopedPumpHook hook([](void* context) {
            auto* state = static_cast<Seen*>(context);
            state->registers.push_back(*state->crc);
        }, &seen);
        EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), kChecksumOk);
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::uint32_t afterFirst = ReferenceCrcFold(0xFFFFFFFFu, data, kBlock);
    const std::uint32_t afterSecond = ReferenceCrcFold(afterFirst, data + kBlock, kBlock);
    const std::uint32_t afterThird = ReferenceCrcFold(afterSecond, data + 2 * kBlock, 5);
    EXPECT_EQ(seen.registers, (std::vector<std::uint32_t>{afterFirst, afterSecond, afterThird}));
}

TEST_F(Crc32File, AbortStopsAfterTheCurrentBlock)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 40 * kBlock);
    m_sink.onReport = [](std::size_t) { g_abort.store(1); };
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_sink.positions.size(), 1u);
    EXPECT_EQ(m_done, kBlock);
    EXPECT_EQ(m_crc, ReferenceCrc(ReadAll(path).substr(0, kBlock)));
}

TEST_F(Crc32File, AbortRaisedBeforeTheCallFoldsNothing)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 3 * kBlock);
    g_abort.store(1);
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), kChecksumOk);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_TRUE(m_sink.positions.empty());
    EXPECT_EQ(m_done, 0u);
}

struct FailureCase {
    const char* name;
    int result;
};

TEST_F(Crc32File, FailuresGiveTheirCodeAndZeroChecksum)
{
    Crc32Engine withoutTable;
    const std::string file = m_dir.WritePatternFile("present.bin", 100);
    const std::string folder = m_dir.Folder() + "folder";
    std::filesystem::create_directory(folder);
    const std::string missing = m_dir.Folder() + "vanished.bin";

    const auto run = [&](const Crc32Engine& engine, const std::string& path) {
        m_crc = 0x5A5A5A5Au;
        return engine.ChecksumFile(path, m_crc, m_sink, 100, m_done);
    };
    EXPECT_EQ(run(m_engine, missing), kChecksumFileNotFound);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_EQ(run(m_engine, folder), EISDIR);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_EQ(run(withoutTable, file), kChecksumNoTable);
    EXPECT_EQ(m_crc, 0u);
    m_engine.FreeTable();
    EXPECT_EQ(run(m_engine, file), kChecksumNoTable);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_TRUE(m_sink.positions.empty());
    EXPECT_EQ(m_done, 0u);

    m_engine.BuildTable();
    EXPECT_EQ(run(m_engine, file), kChecksumOk) << "a new table makes the engine usable again";
}

TEST_F(Crc32File, UnreadableFileGivesAccessDenied)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their mode; runs again unprivileged under CTest";
    }
    const std::string path = m_dir.WritePatternFile("locked.bin", 100);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 100, m_done), EACCES);
    EXPECT_EQ(m_crc, 0u);
}

TEST_F(Crc32File, ReadErrorIsReturnedNotTakenForTheEndOfTheFile)
{
    // Reading this process's memory file at offset 0 (never mapped) fails with EIO.
    const std::string path = "/proc/self/mem";
    if (::access(path.c_str(), R_OK) != 0) {
        GTEST_SKIP() << path << " cannot be opened here";
    }
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 100, m_done), EIO);
    EXPECT_EQ(m_crc, 0u);
    EXPECT_TRUE(m_sink.positions.empty());
}

TEST_F(Crc32File, FifoIsNoFileAndIsRefusedWithoutWaiting)
{
    const std::string path = m_dir.Folder() + "pipe";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_EQ(m_engine.ChecksumFile(path, m_crc, m_sink, 0, m_done), ENODEV);
    EXPECT_EQ(m_crc, 0u);
}

}  // namespace
