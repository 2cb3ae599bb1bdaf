// MD5 rows taken together for the lanes: how many go in one batch, and a file removed
// or replaced while a row ahead of it in the same batch is read is judged as it is at
// its turn, as the one file at a time run judges it, never from the descriptor opened
// with the batch.

#include "chosenfiles.h"
#include "filebatchreader.h"
#include "lanebatches.h"
#include "md5.h"
#include "runfixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

namespace {

using Status = EntryStatus;

std::string Md5Of(const std::string& bytes)
{
    Md5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return md5.Final();
}

std::vector<ChosenFile> FilesOfSizes(std::size_t count, std::uint64_t size)
{
    std::vector<ChosenFile> files(count);
    for (ChosenFile& file : files) {
        file.size = size;
    }
    return files;
}

// A batch ends at the first limit it meets: its files (at most kLaneBatchFilesPerLane
// per lane, an even share of what is left among the workers, at least one per lane),
// bytes, files that stay open (larger than those read whole), or a file too large for
// the lanes.
TEST(LaneBatchLength, StopsAtTheFirstLimit)
{
    EXPECT_EQ(LaneBatchMaxFiles(16, 100000, 2), 16 * kLaneBatchFilesPerLane);
    EXPECT_EQ(LaneBatchMaxFiles(16, 96, 2), 48u);
    EXPECT_EQ(LaneBatchMaxFiles(16, 20, 2), 16u);
    EXPECT_EQ(LaneBatchMaxFiles(8, 100000, 8), 8 * kLaneBatchFilesPerLane);

    EXPECT_EQ(LaneBatchLength(FilesOfSizes(500, 100), 128), 128u);
    EXPECT_EQ(LaneBatchLength(FilesOfSizes(5, 100), 128), 5u);
    EXPECT_EQ(LaneBatchLength(FilesOfSizes(500, FileBatchReader::kSmallFileBytes), 128), 128u);
    EXPECT_EQ(LaneBatchLength(FilesOfSizes(500, FileBatchReader::kSmallFileBytes + 1), 128), kLaneBatchOpenFiles);
    EXPECT_EQ(LaneBatchLength(FilesOfSizes(50, 3 << 20), 128), kLaneBatchBytes / (3 << 20));
    std::vector<ChosenFile> files = FilesOfSizes(20, 100);
    files[7].size = kLaneFileLimit + 1;
    EXPECT_EQ(LaneBatchLength(files, 128), 7u);
    files[0].size = kLaneFileLimit + 1;
    EXPECT_EQ(LaneBatchLength(files, 128), 0u);
}

struct TurnCase {
    const char* name;
    int filesInFlight;
    bool selectedRows;  // a selected-rows run opens no file ahead
};

const TurnCase kTurnCases[] = {
    {"OneFileAtATime", 1, false},
    {"TwoFilesInFlight", 2, false},
    {"SelectedRows", 1, true},
};

class LaneTurnTest : public ::testing::TestWithParam<TurnCase>, protected RunFixture {};

TEST_P(LaneTurnTest, FileChangedWhileALargeRowOfItsBatchIsReadIsJudgedAsItIsNow)
{
    if (Md5LaneCountThatPays() < 2) {
        GTEST_SKIP() << "this CPU hashes MD5 one file at a time (no vector lanes): no batches to test";
    }
    const TurnCase& turn = GetParam();
    // Over the size up to which files join the lanes, so it is read alone first.
    const std::string large(static_cast<std::size_t>(kLaneFileLimit) + 4096, 'L');
    const std::string removed(10000, 'r');
    const std::string replaced(10000, 'p');
    const std::string replacement(10000, 'n');
    const std::string kept(10000, 'k');
    WriteFile("large.bin", large);
    const std::string removedPath = WriteFile("removed.bin", removed);
    const std::string replacedPath = WriteFile("replaced.bin", replaced);
    WriteFile("kept.bin", kept);
    LoadMd5({{"large.bin", Md5Of(large)},
             {"removed.bin", Md5Of(removed)},
             {"replaced.bin", Md5Of(replaced)},
             {"kept.bin", Md5Of(kept)},
             {"unselected.bin", Md5Of(kept)}});
    if (turn.selectedRows) {
        for (int row = 0; row < 4; ++row) {
            m_list.SetRowSelected(row, true);
        }
    }
    m_controller->SetFilesInFlight(turn.filesInFlight);

    // While the large file is read, the small files of its batch are already open.
    std::atomic<bool> changed{false};
    m_observer.m_onBytesRead = [&](std::uint64_t bytesRead) {
        if (!changed && bytesRead > 0) {
            changed = true;
            std::filesystem::remove(removedPath);
            const std::string fresh = WriteFile("fresh.bin", replacement);
            std::filesystem::rename(fresh, replacedPath);
        }
    };
    RunAndWait([this] { m_controller->StartPause(); }, 1);

    ASSERT_TRUE(changed.load());
    EXPECT_EQ(m_list.RowStatus(0), Status::OK);
    EXPECT_EQ(m_list.RowStatus(1), Status::Missing) << "removed while the large row was read";
    EXPECT_EQ(m_list.SizeText(1), "Not Found.");
    EXPECT_EQ(m_list.RowStatus(2), Status::Bad) << "replaced while the large row was read";
    EXPECT_EQ(m_list.FoundChecksum(2), Md5Of(replacement));
    EXPECT_EQ(m_list.RowStatus(3), Status::OK);
}

INSTANTIATE_TEST_SUITE_P(Runs, LaneTurnTest, testing::ValuesIn(kTurnCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
