#include "blake3.h"
#include "blake3file.h"
#include "blake3testhelpers.h"
#include "blake3wholefiles.h"
#include "checksumtesthelpers.h"
#include "md5file.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

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

// Files read whole, hashed side by side: every size around the chunk edges in one batch
// with files that were not read whole, on every SIMD path the CPU has; each file's digest
// and progress are those of the file hashed alone.
TEST_F(Blake3FileTest, FilesReadWholeHashedSideBySideGiveEachFilesDigestAndProgress)
{
    const std::size_t sizes[] = {1, 1023, 1024, 1025, 2048, 3071, 4096, 4097, 16 * 1024, 65535, 65536};
    for (const Blake3Path simd : {Blake3Path::Portable, Blake3Path::Sse41, Blake3Path::Avx2, Blake3Path::Avx512}) {
        if (!Blake3PathSupported(simd)) {
            continue;
        }
        std::vector<std::string> paths;
        std::vector<ReadOnlyFile> files;
        for (std::size_t i = 0; i < std::size(sizes); ++i) {
            paths.push_back(m_dir.WritePatternFile("f" + std::to_string(i), sizes[i], static_cast<unsigned>(i + 7)));
            files.emplace_back(paths.back());
            ASSERT_TRUE(files.back().PreRead(65536));
        }
        paths.push_back(m_dir.WritePatternFile("opened only", 3000));
        files.emplace_back(paths.back());
        std::vector<ReadOnlyFile*> batch;
        for (ReadOnlyFile& file : files) {
            batch.push_back(&file);
        }
        Blake3OfWholeFiles(batch, simd);
        EXPECT_TRUE(files.back().ContentBlake3().empty()) << Blake3PathName(simd);
        for (std::size_t i = 0; i < files.size(); ++i) {
            const std::string expected = UpperBlake3(ReadBytes(paths[i]));
            if (i < std::size(sizes)) {
                EXPECT_EQ(files[i].ContentBlake3(), expected) << Blake3PathName(simd) << " " << sizes[i];
            }
            m_done = 0;
            m_sink.positions.clear();
            EXPECT_EQ(Blake3File(files[i], paths[i], m_sink, 0, m_done), expected) << i;
            EXPECT_EQ(m_done, ReadBytes(paths[i]).size()) << i;
            EXPECT_EQ(m_sink.positions.size(), (m_done + kBlake3ProgressStep - 1) / kBlake3ProgressStep) << i;
        }
    }
}

// A digest worked out from what was read belongs to that content: a file that changed
// and is opened again at its turn is hashed as it is now.
TEST_F(Blake3FileTest, DigestOfAFileReadWholeGoesWhenTheFileIsOpenedAgain)
{
    const std::string path = m_dir.WritePatternFile("changes", 4096, 1);
    ReadOnlyFile file(path);
    ASSERT_TRUE(file.PreRead(65536));
    ReadOnlyFile* batch[] = {&file};
    Blake3OfWholeFiles(batch);
    ASSERT_FALSE(file.ContentBlake3().empty());
    m_dir.WritePatternFile("changes", 5000, 2);
    file.Revalidate(path);
    EXPECT_TRUE(file.ContentBlake3().empty());
    EXPECT_EQ(Blake3File(file, path, m_sink, 0, m_done), UpperBlake3(ReadBytes(path)));
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
