#include "blake3.h"
#include "blake3file.h"
#include "blake3testhelpers.h"
#include "checksumtesthelpers.h"
#include "md5file.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace {

std::string UpperBlake3(const std::string& bytes)
{
    Blake3 hasher;
    hasher.Update(Bytes(bytes), bytes.size());
    return hasher.FinalHex();
}

class Blake3FileTest : public AbortFlagTest {
protected:
    std::string HashFile(const std::string& path, std::int64_t total = 0)
    {
        ReadOnlyFile file(path);
        return Blake3File(file, path, m_sink, total, m_done);
    }

    TempDir m_dir;
    RecordingSink m_sink;
    std::uint64_t m_done = 0;
};

TEST_F(Blake3FileTest, DigestOfTheFileAndOneReportPer4096Bytes)
{
    static constexpr SizeCase kCases[] = {
        {"empty", 0},
        {"one chunk", 1024},
        {"span and a byte", kBlake3FileSpan + 1},
        {"buffer less a byte", ReadBuffer::kCapacity - 1},
        {"buffer and a byte", ReadBuffer::kCapacity + 1},
    };
    unsigned seed = 1;
    for (const SizeCase& row : kCases) {
        const std::string path = m_dir.WritePatternFile("data.bin", row.size, seed++);
        m_sink.positions.clear();
        m_done = 0;
        EXPECT_EQ(HashFile(path, static_cast<std::int64_t>(row.size)), UpperBlake3(ReadBytes(path))) << row.name;
        EXPECT_EQ(m_done, row.size) << row.name;
        EXPECT_EQ(m_sink.positions.size(), (row.size + kBlake3ProgressStep - 1) / kBlake3ProgressStep) << row.name;
        if (row.size > 0) {
            EXPECT_EQ(m_sink.positions.back(), 100) << row.name;
        }
    }
}

TEST_F(Blake3FileTest, AbortStopsTheReportsAtOnceWithADigestOfTheSpanHashed)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 10 * kBlake3FileSpan);
    m_sink.onReport = [](std::size_t) { g_abort.store(1); };
    ReadOnlyFile file(path);
    EXPECT_EQ(Blake3File(file, path, 1, m_sink, 0, m_done), UpperBlake3(ReadBytes(path).substr(0, kBlake3FileSpan)));
    EXPECT_EQ(m_sink.positions.size(), 1u);
    EXPECT_EQ(m_done, kBlake3ProgressStep);
}

TEST_F(Blake3FileTest, FileThatDidNotOpenRaisesFileError)
{
    std::filesystem::create_directory(m_dir.Path() / "folder");
    const std::string path = m_dir.Folder() + "folder";
    try {
        (void)HashFile(path);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& error) {
        EXPECT_EQ(error.ErrorCode(), EISDIR);
        EXPECT_EQ(error.Path(), path);
    }
    EXPECT_EQ(m_done, 0u);
}

}  // namespace
