// The store between a verification run and the window.

#include "windowrunobserver.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

std::optional<ButtonState> Button(const WindowRunObserver::Reports& reports, CommandId id)
{
    return reports.buttons[static_cast<std::size_t>(static_cast<int>(id) - static_cast<int>(CommandId::Open))];
}

TEST(WindowRunObserver, TheLatestRequestWins)
{
    WindowRunObserver observer(nullptr);
    // A run that ends (worker), then Start pressed again (GUI thread).
    observer.SetButtonState(CommandId::Open, ButtonState::Enabled);
    observer.ShowProgressPanel(false);
    observer.SetButtonState(CommandId::Open, ButtonState::Disabled);
    observer.ShowProgressPanel(true);
    const WindowRunObserver::Reports reports = observer.Take();
    EXPECT_EQ(Button(reports, CommandId::Open), ButtonState::Disabled);
    EXPECT_EQ(reports.panelShown, true);
    EXPECT_EQ(Button(reports, CommandId::Stop), std::nullopt);
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
        observer.RunFinished();
    });
    worker.join();
    EXPECT_EQ(wakes.load(), 1);
    EXPECT_EQ(urgentWakes.load(), 1);
    const WindowRunObserver::Reports reports = observer.Take();
    EXPECT_EQ(reports.lastChangedRow, 999);
    EXPECT_TRUE(reports.statusBar);
    EXPECT_EQ(reports.runsFinished, 1);
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
