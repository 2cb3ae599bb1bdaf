#include "checksumtesthelpers.h"
#include "md5.h"
#include "md5file.h"
#include "readbuffer.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Md5Of(const std::string& bytes)
{
    Md5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return md5.Final();
}

class Md5FileTest : public AbortFlagTest {
protected:
    TempDir m_dir;
    RecordingSink m_sink;
    std::uint64_t m_done = 0;
};


TEST_F(Md5FileTest, OneReportPerBlockAtEverySize)
{
    constexpr std::size_t kBufferBytes = ReadBuffer::kCapacity;
    static constexpr SizeCase kCases[] = {
        {"empty", 0},
        {"one block", kMd5BlockSize},
        {"one block and a byte", kMd5BlockSize + 1},
        {"buffer less a byte", kBufferBytes - 1},
        {"exactly the buffer", kBufferBytes},
        {"buffer and a byte", kBufferBytes + 1},
    };
    unsigned seed = 1;
    for (const SizeCase& row : kCases) {
        const std::string path = m_dir.WritePatternFile("data.bin", row.size, seed++);
        m_sink.positions.clear();
        m_done = 0;
        EXPECT_EQ(Md5File(path, m_sink, static_cast<std::int64_t>(row.size), m_done), Md5Of(ReadAll(path)))
            << row.name;
        EXPECT_EQ(m_done, row.size) << row.name;
        EXPECT_EQ(m_sink.positions.size(), (row.size + kMd5BlockSize - 1) / kMd5BlockSize) << row.name;
    }
}

TEST_F(Md5FileTest, KnownFileDigests)
{
    EXPECT_EQ(Md5File(m_dir.WriteFile("empty", ""), m_sink, 0, m_done), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_TRUE(m_sink.positions.empty());
    EXPECT_EQ(Md5File(m_dir.WriteFile("abc", "abc"), m_sink, 0, m_done), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(m_sink.positions, std::vector<int>{100}) << "a total of 0 reports full, without fault";
}

TEST_F(Md5FileTest, RunWidePercentageAndCounter)
{
    const std::string path = m_dir.WritePatternFile("quarter.bin", 250);
    m_done = 100;  // bytes of the files before this one
    (void)Md5File(path, m_sink, 1000, m_done);
    EXPECT_EQ(m_sink.positions, std::vector<int>{35});
    EXPECT_EQ(m_sink.bytesRead, std::vector<std::uint64_t>{350});
    EXPECT_EQ(m_done, 350u);
}

TEST_F(Md5FileTest, AbortStopsAfterTheCurrentBlockWithADigestOfWhatWasRead)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 50 * kMd5BlockSize);
    m_sink.onReport = [](std::size_t) { g_abort.store(1); };
    EXPECT_EQ(Md5File(path, m_sink, 0, m_done), Md5Of(ReadAll(path).substr(0, kMd5BlockSize)));
    EXPECT_EQ(m_sink.positions.size(), 1u);
    EXPECT_EQ(m_done, kMd5BlockSize);
}

TEST_F(Md5FileTest, AbortIsTestedOnlyAfterABlock)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 5 * kMd5BlockSize);
    g_abort.store(1);
    EXPECT_EQ(Md5File(path, m_sink, 0, m_done), Md5Of(ReadAll(path).substr(0, kMd5BlockSize)));
    EXPECT_EQ(m_done, kMd5BlockSize);
}

struct FailureCase {
    const char* name;
    std::string path;
    int errorCode;
};

TEST_F(Md5FileTest, OpenFailuresRaiseFileErrorWithTheReason)
{
    std::filesystem::create_directory(m_dir.Path() / "folder");
    const FailureCase kCases[] = {
        {"missing file", m_dir.Folder() + "vanished.bin", ENOENT},
        {"folder", m_dir.Folder() + "folder", EISDIR},
    };
    for (const FailureCase& row : kCases) {
        try {
            (void)Md5File(row.path, m_sink, 100, m_done);
            ADD_FAILURE() << row.name << ": no error raised";
        } catch (const FileError& error) {
            EXPECT_EQ(error.ErrorCode(), row.errorCode) << row.name;
            EXPECT_EQ(error.Path(), row.path) << row.name;
            EXPECT_EQ(std::string(error.what()), row.path + ": " + error.Reason()) << row.name;
            EXPECT_FALSE(error.Reason().empty()) << row.name;
        }
    }
    EXPECT_EQ(m_done, 0u);
    EXPECT_TRUE(m_sink.positions.empty());
}

TEST_F(Md5FileTest, ReadErrorRaisesFileErrorAndKeepsTheCounter)
{
    // Reading this process's memory file at offset 0 (never mapped) fails with EIO.
    const std::string path = "/proc/self/mem";
    if (::access(path.c_str(), R_OK) != 0) {
        GTEST_SKIP() << path << " cannot be opened here";
    }
    m_done = 7;
    try {
        (void)Md5File(path, m_sink, 100, m_done);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& error) {
        EXPECT_EQ(error.ErrorCode(), EIO);
    }
    EXPECT_EQ(m_done, 7u);
    EXPECT_TRUE(m_sink.positions.empty());
}

TEST_F(Md5FileTest, UnreadableFileRaisesAccessDenied)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their mode; runs again unprivileged under CTest";
    }
    const std::string path = m_dir.WritePatternFile("locked.bin", 100);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    try {
        (void)Md5File(path, m_sink, 100, m_done);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& error) {
        EXPECT_EQ(error.ErrorCode(), EACCES);
    }
}

}  // namespace
