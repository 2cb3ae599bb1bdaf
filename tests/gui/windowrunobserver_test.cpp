// The store between a verification run and the window.

#include "windowrunobserver.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(WindowRunObserver, EventsFromBothThreadsKeepTheirOrder)
{
    WindowRunObserver observer(nullptr);
    // A run that ends (worker), then Start pressed again (GUI thread).
    std::thread worker([&observer] {
        observer.OnRunEvent(RunEvent::Finished);
        observer.OnRunEvent(RunEvent::WorkerEnded);
    });
    worker.join();
    observer.OnRunEvent(RunEvent::Started);
    const WindowRunObserver::Reports reports = observer.Take();
    EXPECT_EQ(reports.events, (std::vector{RunEvent::Finished, RunEvent::WorkerEnded, RunEvent::Started}));
    EXPECT_TRUE(observer.Take().Empty());
}

TEST(WindowRunObserver, ChangedRowsMergeIntoOneRange)
{
    WindowRunObserver observer(nullptr);
    observer.RowChanged(40);
    observer.RowChanged(7);
    observer.RowChanged(12);
    observer.AutoScrollToRow(7);
    observer.AutoScrollToRow(12);
    WindowRunObserver::Reports reports = observer.Take();
    EXPECT_EQ(reports.firstChangedRow, 7);
    EXPECT_EQ(reports.lastChangedRow, 40);
    EXPECT_FALSE(reports.allRowsChanged);
    EXPECT_EQ(reports.scrollRow, 12);

    observer.RowChanged(kAllRowsChanged);
    reports = observer.Take();
    EXPECT_TRUE(reports.allRowsChanged);
}

TEST(WindowRunObserver, WakesOncePerTakeFromAnyThreadAndAtOnceAtTheEnd)
{
    std::atomic<int> wakes{0};
    std::atomic<int> urgentWakes{0};
    WindowRunObserver observer([&](bool urgent) { ++(urgent ? urgentWakes : wakes); });
    std::thread worker([&observer] {
        for (int row = 0; row < 1000; ++row) {
            observer.RowChanged(row);
            observer.UpdateStatusBar();
        }
        observer.OnRunEvent(RunEvent::WorkerEnded);
    });
    worker.join();
    EXPECT_EQ(wakes.load(), 1);
    EXPECT_EQ(urgentWakes.load(), 1);
    const WindowRunObserver::Reports reports = observer.Take();
    EXPECT_EQ(reports.lastChangedRow, 999);
    EXPECT_TRUE(reports.statusBar);
    EXPECT_EQ(reports.events, std::vector{RunEvent::WorkerEnded});
    observer.UpdateStatusBar();
    EXPECT_EQ(wakes.load(), 2);
}

TEST(WindowRunObserver, ProgressKeepsTheLatestPositionNeverNegative)
{
    WindowRunObserver observer(nullptr);
    observer.Progress().SetPosition(37);
    EXPECT_EQ(observer.ProgressPosition(), 37);
    observer.Progress().SetPosition(-5);
    EXPECT_EQ(observer.ProgressPosition(), 0);
    observer.Progress().SetPosition(140);  // files that grew during the run
    EXPECT_EQ(observer.ProgressPosition(), 140);
}

}  // namespace
