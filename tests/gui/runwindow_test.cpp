// The window during a run: the progress bar, the list commands while a list loads, and
// a click that arrives just as a run ends.

#include "windowharness.h"

#include "progresspanel.h"

#include <gtest/gtest.h>

#include <QProgressBar>

#include <chrono>
#include <thread>

namespace {

// Waits (bounded) without letting the window handle any event.
bool WaitWithoutEvents(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

TEST(RunWindow, TheProgressBarMovesDuringARun)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    const QProgressBar& bar = *window.Panel()->Bar();
    EXPECT_TRUE(window.Panel()->isVisible());
    EXPECT_EQ(bar.value(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar.value() > 0; }, 30000));
    harness.Click(CommandId::Stop);
    EXPECT_FALSE(window.Panel()->isVisible());
}

TEST(RunWindow, ListCommandsAreHeldWhileAListLoads)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    // The read runs on its own thread; until it has been taken in, nothing that needs
    // the list can start.
    ASSERT_TRUE(window.IsLoading());
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::StartPause, CommandId::Stop,
                         CommandId::Properties}) {
        EXPECT_FALSE(window.Toolbar()->Action(id)->isEnabled()) << static_cast<int>(id);
    }
    EXPECT_TRUE(window.Toolbar()->Action(CommandId::About)->isEnabled());
    harness.Click(CommandId::StartPause);
    EXPECT_EQ(window.List().GetRunState(), RunState::Stopped);

    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.List().RowCount(), 3);
    EXPECT_EQ(harness.State(CommandId::StartPause), ButtonState::Enabled);
    EXPECT_TRUE(window.Toolbar()->Action(CommandId::StartPause)->isEnabled());
}

TEST(RunWindow, AClickJustAsARunEndsStartsTheNextRun)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    // The run ends on its thread; the window has not yet shown its end when the click
    // comes.
    ASSERT_TRUE(WaitWithoutEvents([&] { return window.List().GetRunState() == RunState::Stopped; }));
    harness.Click(CommandId::StartPause);

    ASSERT_TRUE(harness.WaitForRuns(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.PanelShown(); }, 5000));
    EXPECT_EQ(window.FinishedRuns(), 2);
    EXPECT_EQ(window.List().GetCounters(), (Counters{1, 1, 1, 0}));
    // Idle again, with Start/Pause released.
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::StartPause, CommandId::Stop,
                         CommandId::Properties}) {
        EXPECT_EQ(harness.State(id), ButtonState::Enabled) << static_cast<int>(id);
    }
}

}  // namespace
