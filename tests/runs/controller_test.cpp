// The command side of runs: selection, pause and resume, stop, start-up run, shutdown.

#include "abortflag.h"
#include "runfixture.h"

#include <gtest/gtest.h>

namespace {

using Status = EntryStatus;

constexpr std::size_t kLargeFileSize = 1 << 20;  // many 4096-byte blocks

class ControllerTest : public ::testing::Test, protected RunFixture {
protected:
    // Ten files of 1 MiB: rows 1 and 4 bad, row 8 missing, the others OK.
    void LoadTenFiles()
    {
        std::vector<Entry> entries;
        for (int i = 0; i < 10; ++i) {
            const std::string name = "file" + std::to_string(i) + ".bin";
            std::string content(kLargeFileSize, static_cast<char>('a' + i));
            std::string expected = Hex8(ReferenceCrc32(content));
            if (i == 1 || i == 4) {
                expected = "00000000";
            }
            if (i != 8) {
                WriteFile(name, content);
            }
            entries.push_back({name, expected});
        }
        LoadSfv(entries);
    }

    // Holds the worker at its first progress report inside `row` until `released`; the
    // run keeps one file in flight, so that no other row moves meanwhile.
    void HoldWorkerInRow(int row, std::function<bool()> released)
    {
        m_controller->SetFilesInFlight(1);
        m_observer.m_onProgress = [this, row, released = std::move(released)](int) {
            if (m_list.CurrentIndex() == row && m_list.RowStatus(row) == EntryStatus::Checking && !m_held) {
                m_held = true;
                ASSERT_TRUE(WaitUntil(released));
            }
        };
    }

    bool WorkerHeld() const { return m_held.load(); }

    std::atomic<bool> m_held{false};
    const Counters m_tenFilesResult{7, 2, 1, 0};
};

TEST_F(ControllerTest, UninterruptedRunOfTenFiles)
{
    LoadTenFiles();
    RunAndWait([this] { m_controller->StartPause(); }, 1);
    EXPECT_EQ(m_list.GetCounters(), m_tenFilesResult);
}

TEST_F(ControllerTest, SomeSelectedRowsAreVerifiedAloneAndCannotBePaused)
{
    WriteFile("a", "123456789");
    WriteFile("b", "123456789");
    LoadSfv({{"a", "CBF43926"}, {"b", "CBF43926"}, {"c", "0"}, {"d", "0"}, {"e", "0"}});
    // A previous verdict that the new run must reset.
    m_list.SetRowStatus(4, static_cast<int>(Status::Bad));
    m_list.SetRowSelected(1, true);
    m_list.SetRowSelected(3, true);
    std::vector<Counters> seen;
    m_observer.m_onStatusBar = [&](const Counters& counters) { seen.push_back(counters); };

    RunAndWait([this] { m_controller->StartPause(); }, 1);

    EXPECT_EQ(Statuses(), (std::vector{Status::Unchecked, Status::OK, Status::Unchecked, Status::Missing,
                                       Status::Unchecked}));
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), (Counters{0, 0, 0, 5}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{1, 0, 1, 3}));
    EXPECT_EQ(m_observer.LastProgress(), 100) << "the selection's bytes are the whole of the run";
    // A run over the selection, which cannot be paused, and its end.
    EXPECT_EQ(m_observer.Events(),
              (std::vector{RunEvent::SelectedRowsStarted, RunEvent::Finished, RunEvent::WorkerEnded}));
}

TEST_F(ControllerTest, AllRowsSelectedBehavesAsNoSelectionAndCanPause)
{
    LoadTenFiles();
    for (int row = 0; row < m_list.RowCount(); ++row) {
        m_list.SetRowSelected(row, true);
    }
    HoldWorkerInRow(2, [this] { return m_list.GetRunState() == RunState::Paused; });

    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));
    EXPECT_EQ(m_observer.Events(), std::vector{RunEvent::Started});
    m_controller->StartPause();  // pause
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.GetRunState(), RunState::Paused);
    EXPECT_EQ(m_list.RowStatus(2), Status::Checking);
}

TEST_F(ControllerTest, PauseInAFileThenResumeEndsAsAnUninterruptedRun)
{
    LoadTenFiles();
    HoldWorkerInRow(6, [this] { return m_list.GetRunState() == RunState::Paused; });

    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));
    m_controller->StartPause();  // pause while row 6 is being read
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.GetRunState(), RunState::Paused);
    EXPECT_EQ(m_list.RowStatus(6), Status::Checking);
    EXPECT_EQ(m_list.RowStatus(7), Status::Unchecked);
    EXPECT_EQ(m_list.CurrentIndex(), 6);
    EXPECT_EQ(m_list.BytesDone(), 6 * kLargeFileSize);  // row 6 counts from its first byte again
    EXPECT_EQ(m_list.GetCounters(), (Counters{4, 2, 0, 4}));
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Paused);
    EXPECT_TRUE(m_observer.RunActive());

    std::vector<int> resumedPositions;
    m_observer.m_onProgress = [&](int percent) { resumedPositions.push_back(percent); };
    RunAndWait([this] { m_controller->StartPause(); }, 2);  // resume

    EXPECT_EQ(m_list.GetCounters(), m_tenFilesResult);
    EXPECT_EQ(m_list.RowStatus(6), Status::OK);
    ASSERT_GE(resumedPositions.size(), 2u);
    EXPECT_EQ(resumedPositions[1], 66);  // back to the stored point, not from 0
    EXPECT_EQ(m_observer.WorkersStarted(), 2);
    EXPECT_FALSE(m_observer.OverlapSeen());
}

TEST_F(ControllerTest, PauseFollowedAtOnceByStartRunsOneWorkerAndKeepsTheAbort)
{
    LoadTenFiles();
    HoldWorkerInRow(3, [] { return AbortRequested(); });

    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));
    m_controller->StartPause();  // pause: the held worker sees the abort
    m_controller->StartPause();  // resume at once: waits for the paused worker first
    ASSERT_TRUE(m_observer.WaitForRunsFinished(2));
    m_controller->WaitForWorker();

    EXPECT_FALSE(m_observer.OverlapSeen());
    EXPECT_EQ(m_list.GetCounters(), m_tenFilesResult);
}

TEST_F(ControllerTest, StopInAFileLeavesItCheckingAndTheNextStartResets)
{
    LoadTenFiles();
    HoldWorkerInRow(3, [] { return AbortRequested(); });

    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));
    m_controller->Stop();
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Stopped);
    ASSERT_TRUE(m_observer.WaitForRunsFinished(1));
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.RowStatus(3), Status::Checking);
    EXPECT_EQ(m_list.RowStatus(4), Status::Unchecked);
    EXPECT_EQ(m_list.GetCounters(), (Counters{2, 1, 0, 7}));
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_FALSE(m_controller->HasWorker());

    m_observer.m_onProgress = nullptr;
    RunAndWait([this] { m_controller->StartPause(); }, 2);
    EXPECT_EQ(m_list.GetCounters(), m_tenFilesResult);
}

TEST_F(ControllerTest, StopBeforeAnyRunDoesNothing)
{
    WriteFile("a", "123456789");
    LoadSfv({{"a", "CBF43926"}});
    m_controller->Stop();
    EXPECT_TRUE(m_observer.Events().empty());
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_list.GetCounters(), (Counters{0, 0, 0, 1}));
}

TEST_F(ControllerTest, AutoVerificationShowsStartPausePressedAndIgnoresSelection)
{
    WriteFile("a", "123456789");
    LoadSfv({{"a", "CBF43926"}, {"b", "CBF43926"}});
    m_list.SetRowSelected(1, true);
    m_observer.m_onStatusBar = [this](const Counters&) {
        // Seen while the run is on: an all-rows run, started.
        if (m_list.GetRunState() == RunState::Running) {
            EXPECT_EQ(m_observer.Events(), std::vector{RunEvent::Started});
        }
    };
    RunAndWait([this] { m_controller->StartAutoVerification(); }, 1);
    EXPECT_EQ(Statuses(), (std::vector{Status::OK, Status::Missing}));
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Finished);
}

TEST_F(ControllerTest, PauseArrivingAfterTheLastRowDoesNotLeaveAResumableRun)
{
    WriteFile("a", "123456789");
    WriteFile("b", "123456789");
    LoadSfv({{"a", "CBF43926"}, {"b", "CBF43926"}});
    // Hold the worker after the last verdict was counted, until Pause has been pressed.
    m_observer.m_onStatusBar = [this](const Counters& counters) {
        if (m_list.GetRunState() != RunState::Stopped && counters.unchecked == 0) {
            m_held = true;
            ASSERT_TRUE(WaitUntil([this] { return m_list.GetRunState() == RunState::Paused; }));
        }
    };
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));
    m_controller->StartPause();  // pause, too late to stop anything
    ASSERT_TRUE(m_observer.WaitForRunsFinished(1));
    m_controller->WaitForWorker();

    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_list.GetCounters(), (Counters{2, 0, 0, 0}));
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Finished);
}

TEST_F(ControllerTest, ShutdownDuringARunJoinsTheWorker)
{
    LoadTenFiles();
    HoldWorkerInRow(5, [] { return AbortRequested(); });
    m_controller->StartPause();
    ASSERT_TRUE(WaitUntil([this] { return WorkerHeld(); }));

    m_controller.reset();  // raises the abort flag and joins

    EXPECT_EQ(m_observer.WorkersStarted(), 1);
    ASSERT_TRUE(m_observer.WaitForRunsFinished(1, std::chrono::seconds(0)));
    EXPECT_EQ(m_list.RowStatus(5), Status::Checking);
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
}

}  // namespace
