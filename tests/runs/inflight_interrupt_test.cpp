// Pause, Stop and closing with several files in flight: every file in flight keeps
// Checking, the resume point is the lowest of them, rows after it that finished keep
// their verdicts and are not counted again, and a resume reads the rest from their
// first byte.

#include "abortflag.h"
#include "runfixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

namespace {

using Status = EntryStatus;

constexpr int kRows = 24;
constexpr std::size_t kSmallSize = 256 * 1024;  // several progress steps per file
constexpr int kLaterVerdictsAtHold = 3;

class InFlightInterruptTest : public ::testing::TestWithParam<int>, protected RunFixture {
protected:
    // Row 0 is far too large to finish (a sparse file of 64 GiB) until it is replaced by
    // a small one; rows 5 and 9 are bad, row 13 is missing, the others OK.
    void LoadRows()
    {
        std::vector<Entry> entries;
        for (int row = 0; row < kRows; ++row) {
            const std::string name = "file" + std::to_string(row) + ".bin";
            const std::string bytes(row == 0 ? 1000 : kSmallSize, static_cast<char>('a' + row));
            std::string expected = Hex8(ReferenceCrc32(bytes));
            if (row == 5 || row == 9) {
                expected = "00000000";
            }
            if (row == 0) {
                m_smallFirstFile = bytes;
                std::filesystem::resize_file(WriteFile(name, ""), std::uintmax_t{64} << 30);
            } else if (row != 13) {
                WriteFile(name, bytes);
            }
            entries.push_back({name, expected});
        }
        LoadSfv(entries);
        m_controller->SetFilesInFlight(GetParam());
    }

    // Holds the worker that reports progress once rows after row 0 have verdicts, so
    // every other worker waits at its next report, inside its file, until `released`.
    void HoldOnceLaterRowsFinished(std::function<bool()> released)
    {
        m_observer.m_onBytesRead = [this, released = std::move(released)](std::uint64_t) {
            if (!m_held && LaterVerdicts() >= kLaterVerdictsAtHold) {
                m_held = true;
                ASSERT_TRUE(WaitUntil(released));
            }
        };
    }

    int LaterVerdicts() const
    {
        int verdicts = 0;
        for (int row = 1; row < kRows; ++row) {
            verdicts += IsVerdict(m_list.RowStatus(row)) ? 1 : 0;
        }
        return verdicts;
    }

    static bool IsVerdict(Status status)
    {
        return status == Status::OK || status == Status::Bad || status == Status::Missing;
    }

    // The counters must be the verdicts in the rows, and BytesDone their files' bytes.
    void ExpectCountersAndBytesMatchTheVerdicts() const
    {
        Counters tally{0, 0, 0, 0};
        std::uint64_t bytes = 0;
        for (int row = 0; row < kRows; ++row) {
            const Status status = m_list.RowStatus(row);
            tally.ok += status == Status::OK ? 1 : 0;
            tally.bad += status == Status::Bad ? 1 : 0;
            tally.missing += status == Status::Missing ? 1 : 0;
            tally.unchecked += IsVerdict(status) ? 0 : 1;
            bytes += IsVerdict(status) && row != 13 ? kSmallSize : 0;
        }
        EXPECT_EQ(m_list.GetCounters(), tally);
        if (m_list.GetRunState() == RunState::Paused) {
            EXPECT_EQ(m_list.BytesDone(), bytes);
        }
    }

    void ReplaceFirstFileWithASmallOne() { WriteFile("file0.bin", m_smallFirstFile); }

    std::atomic<bool> m_held{false};
    std::string m_smallFirstFile;
    const Counters m_result{21, 2, 1, 0};
};

TEST_P(InFlightInterruptTest, PauseKeepsFilesInFlightCheckingAndResumeCountsNoRowTwice)
{
    LoadRows();
    HoldOnceLaterRowsFinished([this] { return m_list.GetRunState() == RunState::Paused; });
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return m_held.load(); }));
    m_controller->StartPause();  // pause
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.GetRunState(), RunState::Paused);
    EXPECT_EQ(m_list.RowStatus(0), Status::Checking);
    EXPECT_EQ(m_list.CurrentIndex(), 0);  // the lowest row in flight
    EXPECT_GE(LaterVerdicts(), kLaterVerdictsAtHold);
    ExpectCountersAndBytesMatchTheVerdicts();
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Paused);

    // No row that has its verdict is read again; every other row is, from its first byte.
    std::vector<Status> before = Statuses();
    std::atomic<int> verdictRowsReread{0};
    m_observer.m_onBytesRead = nullptr;
    m_observer.m_onRowChanged = [&](int row, Status status) {
        if (status == Status::Checking && IsVerdict(before[static_cast<std::size_t>(row)])) {
            ++verdictRowsReread;
        }
    };
    ReplaceFirstFileWithASmallOne();
    RunAndWait([this] { m_controller->StartPause(); }, 2);  // resume

    EXPECT_EQ(verdictRowsReread.load(), 0);
    EXPECT_EQ(m_list.GetCounters(), m_result);
    for (int row = 0; row < kRows; ++row) {
        const Status expected = row == 13 ? Status::Missing : (row == 5 || row == 9 ? Status::Bad : Status::OK);
        EXPECT_EQ(m_list.RowStatus(row), expected) << row;
    }
    EXPECT_EQ(m_observer.Events(), (std::vector{RunEvent::Started, RunEvent::Paused, RunEvent::WorkerEnded,
                                                RunEvent::Resumed, RunEvent::Finished, RunEvent::WorkerEnded}));
    EXPECT_FALSE(m_observer.OverlapSeen());
}

TEST_P(InFlightInterruptTest, StopKeepsFilesInFlightCheckingAndTheNextStartVerifiesAll)
{
    LoadRows();
    HoldOnceLaterRowsFinished([] { return AbortRequested(); });
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return m_held.load(); }));
    m_controller->Stop();
    ASSERT_TRUE(m_observer.WaitForRunsFinished(1));
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_list.RowStatus(0), Status::Checking);
    ExpectCountersAndBytesMatchTheVerdicts();
    EXPECT_EQ(m_list.CurrentIndex(), 0);
    EXPECT_EQ(m_list.BytesDone(), 0u);
    EXPECT_FALSE(m_controller->HasWorker());

    m_observer.m_onBytesRead = nullptr;
    ReplaceFirstFileWithASmallOne();
    RunAndWait([this] { m_controller->StartPause(); }, 2);
    EXPECT_EQ(m_list.GetCounters(), m_result);
}

TEST_P(InFlightInterruptTest, ClosingDuringTheRunEndsEveryWorker)
{
    LoadRows();
    HoldOnceLaterRowsFinished([] { return AbortRequested(); });
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return m_held.load(); }));

    m_controller.reset();  // the window's close: raises the abort and joins

    EXPECT_TRUE(m_observer.WaitForRunsFinished(1, std::chrono::seconds(0)));
    EXPECT_EQ(m_list.RowStatus(0), Status::Checking);
    ExpectCountersAndBytesMatchTheVerdicts();
}

INSTANTIATE_TEST_SUITE_P(FilesInFlight, InFlightInterruptTest, testing::Values(2, 8),
                         [](const auto& row) { return "At" + std::to_string(row.param); });

}  // namespace
