// MD5 rows taken together for the lanes: a file removed or replaced while a row
// ahead of it in the same batch is read is judged as it is at its turn, as the one
// file at a time run judges it, never from the descriptor opened with the batch.

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
