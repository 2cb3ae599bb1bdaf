#include "checksumtesthelpers.h"
#include "hashfilesinlanes.h"
#include "md5file.h"
#include "md5lanestesthelpers.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <numeric>
#include <unistd.h>

namespace {

// Files opened the way a run opens them, in the order given.
struct OpenFiles {
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<ReadOnlyFile>> files;
    std::vector<ReadOnlyFile*> pointers;

    void Add(const std::string& path)
    {
        paths.push_back(path);
        files.push_back(std::make_unique<ReadOnlyFile>(path));
        pointers.push_back(files.back().get());
    }
};

class HashFilesInLanesTest : public Md5LanesPathTest {
protected:
    void SetUp() override
    {
        Md5LanesPathTest::SetUp();
        g_abort.store(0);
    }
    void TearDown() override { g_abort.store(0); }

    std::string Reference(const std::string& path)
    {
        NullProgressSink quiet;
        std::uint64_t done = 0;
        return Md5File(path, quiet, 0, done);
    }

    TempDir m_dir;
    RecordingSink m_sink;
    std::uint64_t m_done = 0;
};

// Sizes around the padding boundaries, the 1024-byte round, the lanes' chunk of the
// read buffer (16 KiB with 16 lanes, 32 KiB with 8) and the buffer itself; more files
// than lanes, so lanes take new files as theirs end.
TEST_P(HashFilesInLanesTest, DigestsEqualMd5FileInTheGivenOrder)
{
    const std::size_t kSizes[] = {0,     1,         55,        56,       63,           64,           119,
                                  120,   1023,      1024,      1025,     4096,         16383,        16384,
                                  16385, 32767,     32768,     32769,    100000,       3,            7000,
                                  0,     65,        ReadBuffer::kCapacity, ReadBuffer::kCapacity + 1, 300000,
                                  4096,  4096,      4096,      4096,     4097,         12};
    OpenFiles batch;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < std::size(kSizes); ++i) {
        batch.Add(m_dir.WritePatternFile("f" + std::to_string(i), kSizes[i], static_cast<unsigned>(i + 1)));
        total += kSizes[i];
    }
    m_done = 5;  // bytes of earlier files of the run
    const std::vector<LaneFileDigest> results =
        HashFilesInLanes(batch.pointers, m_sink, static_cast<std::int64_t>(total + 5), m_done, GetParam());
    ASSERT_EQ(results.size(), std::size(kSizes));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].digest, Reference(batch.paths[i])) << "file " << i << " of " << kSizes[i] << " bytes";
        EXPECT_EQ(results[i].error, 0) << "file " << i;
        EXPECT_TRUE(results[i].Finished()) << "file " << i;
    }
    // Progress: every byte counted once, the run-wide count reported with each
    // position, rising to the total.
    EXPECT_EQ(m_done, total + 5);
    ASSERT_FALSE(m_sink.bytesRead.empty());
    EXPECT_EQ(m_sink.bytesRead.back(), total + 5);
    EXPECT_EQ(m_sink.positions.back(), 100);
    EXPECT_TRUE(std::is_sorted(m_sink.bytesRead.begin(), m_sink.bytesRead.end()));
    EXPECT_EQ(m_sink.bytesRead.size(), m_sink.positions.size());
}

TEST_P(HashFilesInLanesTest, EmptyBatchAndEmptyFilesReportNothing)
{
    EXPECT_TRUE(HashFilesInLanes({}, m_sink, 0, m_done, GetParam()).empty());
    OpenFiles batch;
    batch.Add(m_dir.WriteFile("a", ""));
    batch.Add(m_dir.WriteFile("b", ""));
    const std::vector<LaneFileDigest> results = HashFilesInLanes(batch.pointers, m_sink, 0, m_done, GetParam());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].digest, "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_TRUE(m_sink.positions.empty());
    EXPECT_EQ(m_done, 0u);
}

struct AbortCase {
    const char* name;
    bool raisedBeforeStart;  // else raised by the first progress report
};

TEST_P(HashFilesInLanesTest, AbortStopsAfterTheFirstRoundAndLeavesFilesUnfinished)
{
    const AbortCase kCases[] = {{"raised before the start", true}, {"raised by the first report", false}};
    for (const AbortCase& row : kCases) {
        OpenFiles batch;
        for (int i = 0; i < 20; ++i) {
            batch.Add(m_dir.WritePatternFile("large" + std::to_string(i), 50 * kMd5BlockSize));
        }
        m_sink.positions.clear();
        m_done = 0;
        g_abort.store(row.raisedBeforeStart ? 1 : 0);
        m_sink.onReport = [](std::size_t) { g_abort.store(1); };
        const std::vector<LaneFileDigest> results = HashFilesInLanes(batch.pointers, m_sink, 0, m_done, GetParam());
        g_abort.store(0);
        const std::size_t lanes = Md5Lanes(GetParam()).LaneCount();
        EXPECT_EQ(m_sink.positions.size(), 1u) << row.name;
        EXPECT_EQ(m_done, lanes * kMd5BlockSize) << row.name << ": one 1024-byte round in every lane";
        ASSERT_EQ(results.size(), batch.paths.size()) << row.name;
        for (const LaneFileDigest& result : results) {
            EXPECT_FALSE(result.Finished()) << row.name;
            EXPECT_EQ(result.error, 0) << row.name;
        }
    }
}

TEST_P(HashFilesInLanesTest, AFailedFileSpoilsNoOtherFile)
{
    std::filesystem::create_directory(m_dir.Path() / "folder");
    // Reading this process's memory file at offset 0 (never mapped) fails with EIO.
    const std::string unreadable = "/proc/self/mem";
    const bool haveUnreadable = ::access(unreadable.c_str(), R_OK) == 0;
    OpenFiles batch;
    std::uint64_t goodBytes = 0;
    for (int i = 0; i < 24; ++i) {
        const std::size_t size = 1000u * static_cast<std::size_t>(i) + 17;
        batch.Add(m_dir.WritePatternFile("good" + std::to_string(i), size, static_cast<unsigned>(i + 3)));
        goodBytes += size;
        if (i == 2) {
            batch.Add(m_dir.Folder() + "vanished.bin");
        } else if (i == 5) {
            batch.Add(m_dir.Folder() + "folder");
        } else if (i == 9 && haveUnreadable) {
            batch.Add(unreadable);
        }
    }
    batch.files.push_back(std::make_unique<ReadOnlyFile>());  // never opened
    batch.paths.emplace_back("(never opened)");
    batch.pointers.push_back(batch.files.back().get());

    const std::vector<LaneFileDigest> results = HashFilesInLanes(batch.pointers, m_sink, 0, m_done, GetParam());
    ASSERT_EQ(results.size(), batch.paths.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const std::string& path = batch.paths[i];
        int expectedError = 0;
        if (path.ends_with("vanished.bin")) {
            expectedError = ENOENT;
        } else if (path.ends_with("folder")) {
            expectedError = EISDIR;
        } else if (path == unreadable) {
            expectedError = EIO;
        } else if (path == "(never opened)") {
            expectedError = EBADF;
        }
        EXPECT_EQ(results[i].error, expectedError) << path;
        if (expectedError == 0) {
            EXPECT_EQ(results[i].digest, Reference(path)) << path;
        } else {
            EXPECT_FALSE(results[i].Finished()) << path;
        }
    }
    EXPECT_EQ(m_done, goodBytes) << "the failed files added no bytes";
}

TEST_P(HashFilesInLanesTest, FilesReadAheadGiveTheSameDigests)
{
    OpenFiles batch;
    for (int i = 0; i < 10; ++i) {
        batch.Add(m_dir.WritePatternFile("ahead" + std::to_string(i), 4096u + 100u * static_cast<unsigned>(i),
                                         static_cast<unsigned>(i + 40)));
        ASSERT_TRUE(batch.files.back()->PreRead(1 << 20));
    }
    const std::vector<LaneFileDigest> results = HashFilesInLanes(batch.pointers, m_sink, 0, m_done, GetParam());
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i].digest, Reference(batch.paths[i])) << batch.paths[i];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPath, HashFilesInLanesTest, kEveryMd5LanesPath, LanesPathTestName);

}  // namespace
