// Pause, Stop and closing with several files in flight: every file in flight keeps
// Checking, the resume point is the lowest of them, rows after it that finished keep
// their verdicts and are not counted again, and a resume reads the rest from their
// first byte.

#include "abortflag.h"
#include "lanebatches.h"
#include "md5.h"
#include "runfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
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

    // Holds the worker that reports progress once rows after row 0 have verdicts, the
    // missing row 13 among them (a resume must not verify it again), so every other
    // worker waits at its next report, inside its file, until `released`.
    void HoldOnceLaterRowsFinished(std::function<bool()> released)
    {
        m_observer.m_onBytesRead = [this, released = std::move(released)](std::uint64_t) {
            if (!m_held && LaterVerdicts() >= kLaterVerdictsAtHold && IsVerdict(m_list.RowStatus(13))) {
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

// MD5 rows hashed side by side in batches: a Pause in the middle of a batch leaves
// every row of the batch Checking, and the resume verifies them again from their first
// byte without counting any row twice. The pause comes once several batches have their
// verdicts, so that BytesDone adds up batches from every worker.
class LaneBatchInterruptTest : public ::testing::TestWithParam<int>, protected RunFixture {
protected:
    static constexpr int kMd5Rows = 96;
    static constexpr std::size_t kMd5Size = 40 * 1024;  // many rounds of the lanes per file

    static Status Expected(int row)
    {
        return row == 13 ? Status::Missing : (row == 5 || row == 30 ? Status::Bad : Status::OK);
    }

    void LoadMd5Rows()
    {
        std::vector<Entry> entries;
        for (int row = 0; row < kMd5Rows; ++row) {
            const std::string name = "file" + std::to_string(row) + ".bin";
            const std::string bytes(kMd5Size, static_cast<char>('a' + row));
            Md5 md5;
            md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
            if (row != 13) {
                WriteFile(name, bytes);
            }
            entries.push_back({name, Expected(row) == Status::Bad ? std::string(32, '0') : md5.Final()});
        }
        LoadMd5(entries);
        m_controller->SetFilesInFlight(GetParam());
    }

    int Count(Status status) const
    {
        const std::vector<Status> statuses = Statuses();
        return static_cast<int>(std::count(statuses.begin(), statuses.end(), status));
    }
};

TEST_P(LaneBatchInterruptTest, PauseInTheMiddleOfABatchKeepsItCheckingAndResumeCountsNoRowTwice)
{
    LoadMd5Rows();
    // Held inside a batch (several rows Checking) once three batches have their verdicts.
    const int verdictsAtHold = 3 * static_cast<int>(std::max<std::size_t>(Md5LaneCountThatPays(), 1));
    std::atomic<bool> held{false};
    m_observer.m_onBytesRead = [&](std::uint64_t) {
        if (!held && Count(Status::Checking) > 1 &&
            Count(Status::OK) + Count(Status::Bad) + Count(Status::Missing) >= verdictsAtHold) {
            held = true;
            ASSERT_TRUE(WaitUntil([this] { return m_list.GetRunState() == RunState::Paused; }));
        }
    };
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([&] { return held.load(); }));
    m_controller->StartPause();  // pause
    m_controller->WaitForWorker();

    ASSERT_EQ(m_list.GetRunState(), RunState::Paused);
    const std::vector<Status> paused = Statuses();
    const auto firstChecking = std::find(paused.begin(), paused.end(), Status::Checking);
    ASSERT_NE(firstChecking, paused.end());
    EXPECT_EQ(m_list.CurrentIndex(), firstChecking - paused.begin()) << "the resume point is the lowest row in flight";
    EXPECT_GT(Count(Status::Checking), 1);
    Counters tally{0, 0, 0, 0};
    std::uint64_t bytes = 0;
    for (int row = 0; row < kMd5Rows; ++row) {
        const Status status = paused[static_cast<std::size_t>(row)];
        tally.ok += status == Status::OK ? 1 : 0;
        tally.bad += status == Status::Bad ? 1 : 0;
        tally.missing += status == Status::Missing ? 1 : 0;
        const bool verdict = status == Status::OK || status == Status::Bad || status == Status::Missing;
        tally.unchecked += verdict ? 0 : 1;
        bytes += verdict && row != 13 ? kMd5Size : 0;
        if (verdict) {
            EXPECT_EQ(status, Expected(row)) << row;
        }
    }
    EXPECT_EQ(m_list.GetCounters(), tally);
    EXPECT_EQ(m_list.BytesDone(), bytes);

    std::atomic<int> verdictRowsReread{0};
    m_observer.m_onBytesRead = nullptr;
    m_observer.m_onRowChanged = [&](int row, Status status) {
        const Status before = paused[static_cast<std::size_t>(row)];
        if (status == Status::Checking && before != Status::Checking && before != Status::Unchecked) {
            ++verdictRowsReread;
        }
    };
    RunAndWait([this] { m_controller->StartPause(); }, 2);  // resume

    EXPECT_EQ(verdictRowsReread.load(), 0);
    for (int row = 0; row < kMd5Rows; ++row) {
        EXPECT_EQ(m_list.RowStatus(row), Expected(row)) << row;
    }
    EXPECT_EQ(m_list.GetCounters(), (Counters{kMd5Rows - 3, 2, 1, 0}));
    EXPECT_EQ(m_observer.LastBytesRead(), std::uint64_t{kMd5Rows - 1} * kMd5Size);
}

INSTANTIATE_TEST_SUITE_P(FilesInFlight, LaneBatchInterruptTest, testing::Values(1, 2),
                         [](const auto& row) { return "At" + std::to_string(row.param); });

// Small SFV files in flight are opened and read in batches: a pause leaves the rows of a
// batch not yet begun in flight, the resume point below every row without a verdict,
// and the resume verifies each of them once.
TEST_F(LaneBatchInterruptTest, PauseInTheMiddleOfABatchOfSmallFilesResumesEveryRowOnce)
{
    constexpr int kSmallRows = 96;
    constexpr std::size_t kFileSize = 4096;
    std::vector<Entry> entries;
    for (int row = 0; row < kSmallRows; ++row) {
        const std::string name = "small" + std::to_string(row) + ".bin";
        const std::string bytes(kFileSize, static_cast<char>('a' + row % 26));
        if (row != 13) {
            WriteFile(name, bytes);
        }
        entries.push_back({name, Expected(row) == Status::Bad ? "00000000" : Hex8(ReferenceCrc32(bytes))});
    }
    LoadSfv(entries);
    m_controller->SetFilesInFlight(2);
    std::atomic<bool> held{false};
    m_observer.m_onBytesRead = [&](std::uint64_t) {
        if (!held && Count(Status::OK) + Count(Status::Bad) + Count(Status::Missing) >= 40) {
            held = true;
            ASSERT_TRUE(WaitUntil([this] { return m_list.GetRunState() == RunState::Paused; }));
        }
    };
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([&] { return held.load(); }));
    m_controller->StartPause();  // pause
    m_controller->WaitForWorker();

    ASSERT_EQ(m_list.GetRunState(), RunState::Paused);
    const std::vector<Status> paused = Statuses();
    const auto isVerdict = [](Status status) {
        return status == Status::OK || status == Status::Bad || status == Status::Missing;
    };
    const auto firstWithout = std::find_if_not(paused.begin(), paused.end(), isVerdict);
    ASSERT_NE(firstWithout, paused.end());
    EXPECT_EQ(m_list.CurrentIndex(), firstWithout - paused.begin()) << "the resume point is the lowest row in flight";
    for (int row = 0; row < kSmallRows; ++row) {
        if (isVerdict(paused[static_cast<std::size_t>(row)])) {
            EXPECT_EQ(paused[static_cast<std::size_t>(row)], Expected(row)) << row;
        }
    }

    std::atomic<int> verdictRowsReread{0};
    m_observer.m_onBytesRead = nullptr;
    m_observer.m_onRowChanged = [&](int row, Status status) {
        if (status == Status::Checking && isVerdict(paused[static_cast<std::size_t>(row)])) {
            ++verdictRowsReread;
        }
    };
    RunAndWait([this] { m_controller->StartPause(); }, 2);  // resume

    EXPECT_EQ(verdictRowsReread.load(), 0);
    for (int row = 0; row < kSmallRows; ++row) {
        EXPECT_EQ(m_list.RowStatus(row), Expected(row)) << row;
    }
    EXPECT_EQ(m_list.GetCounters(), (Counters{kSmallRows - 3, 2, 1, 0}));
}

}  // namespace
