// RunPresenter: a run as the window shows it: the progress bar, the toolbar's states,
// list commands held while a list loads, auto-scroll, and states and counters landing
// on the right rows of a sorted view, also for a run of the selected rows.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "checksumrowmenu.h"
#include "listfilterbar.h"
#include "progresspanel.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QProgressBar>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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

TEST(RunPresenter, TheProgressBarMovesDuringARun)
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

TEST(RunPresenter, ListCommandsAreHeldWhileAListLoads)
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

TEST(RunPresenter, AClickJustAsARunEndsStartsTheNextRun)
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Run().PanelShown(); }, 5000));
    EXPECT_EQ(window.FinishedRuns(), 2);
    EXPECT_EQ(window.List().GetCounters(), (Counters{1, 1, 1, 0}));
    // Idle again, with Start/Pause released.
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::StartPause, CommandId::Stop,
                         CommandId::Properties}) {
        EXPECT_EQ(harness.State(id), ButtonState::Enabled) << static_cast<int>(id);
    }
}


// The six buttons whose states change: Open, view toggle, Generate, Start/Pause,
// Stop, Properties. E enabled, C enabled and checked, D disabled.
std::string Row(const WindowHarness& harness)
{
    std::string row;
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::Generate, CommandId::StartPause,
                         CommandId::Stop, CommandId::Properties}) {
        switch (harness.State(id)) {
        case ButtonState::Enabled: row += 'E'; break;
        case ButtonState::EnabledChecked: row += 'C'; break;
        case ButtonState::Disabled: row += 'D'; break;
        }
    }
    return row;
}

constexpr const char* kIdle = "EEDEEE";  // start-up, back in the checksum view, after a run or Stop

TEST(RunPresenter, ViewsAndRunsStartedByClicks)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    EXPECT_EQ(Row(harness), kIdle) << "start-up";

    harness.Click(CommandId::ViewToggle);
    EXPECT_EQ(Row(harness), "DCEDDE") << "browser view";
    EXPECT_FALSE(window.Views().ChecksumViewShown());
    harness.Click(CommandId::ViewToggle);
    EXPECT_EQ(Row(harness), kIdle) << "back in the checksum view";

    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(Row(harness), kIdle) << "a list loaded";

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDCED") << "running over all entries";
    EXPECT_TRUE(window.Run().PanelShown() || QTest::qWaitFor([&] { return window.Run().PanelShown(); }, 5000));

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDEED") << "paused";
    EXPECT_EQ(window.List().GetRunState(), RunState::Paused);

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDCED") << "resumed";

    harness.Click(CommandId::Stop);
    EXPECT_EQ(Row(harness), kIdle) << "after Stop";
    EXPECT_FALSE(window.Run().PanelShown());

    // One of the two rows selected: a run over the selection, which cannot be paused.
    window.ListView()->selectionModel()->select(window.ListProxy()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ASSERT_EQ(window.List().SelectedCount(), 1);
    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDDED") << "running over selected entries";
    harness.Click(CommandId::StartPause);  // greyed: nothing happens
    EXPECT_EQ(window.List().GetRunState(), RunState::Running);
    harness.Click(CommandId::Stop);
    EXPECT_EQ(Row(harness), kIdle) << "after Stop of a selected run";
}

TEST(RunPresenter, ARunThatEndsGivesEverythingBack)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Row(harness) == kIdle; }, 5000)) << Row(harness);
    EXPECT_EQ(window.List().GetCounters(), (Counters{1, 1, 1, 0}));

    // Started again at once: a second run, which ends the same way.
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Row(harness) == kIdle; }, 5000)) << Row(harness);
}

TEST(RunPresenter, GenerateWithNothingSelectedAndPropertiesKeepTheStates)
{
    WindowHarness harness;
    harness.Start();
    harness.Click(CommandId::Properties);
    EXPECT_EQ(harness.dialogs.settingsShown, 1);
    harness.Click(CommandId::ViewToggle);
    harness.Click(CommandId::Generate);
    EXPECT_EQ(Row(harness), "DCEDDE");
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("No Files Selected.")});
    EXPECT_TRUE(harness.dialogs.saveFolders.isEmpty());
    EXPECT_EQ(harness.dialogs.openAsked, 0);
}

TEST(RunPresenter, TooltipsNameEveryButton)
{
    WindowHarness harness;
    harness.Start();
    const std::pair<CommandId, const char*> expected[] = {
        {CommandId::Open, "Open "},          {CommandId::ViewToggle, "Create .SFV/.MD5 File"},
        {CommandId::Generate, "Generate"},   {CommandId::StartPause, "Start/Pause"},
        {CommandId::Stop, "Stop"},           {CommandId::Properties, "Properties"},
        {CommandId::AlwaysOnTop, "Always on Top"}, {CommandId::About, "About"},
    };
    for (const auto& [id, tooltip] : expected) {
        EXPECT_EQ(harness.window->Toolbar()->Action(id)->toolTip(), QString::fromLatin1(tooltip));
    }
    for (CommandId id : {CommandId::Separator1, CommandId::Separator2, CommandId::Separator3, CommandId::Separator4}) {
        EXPECT_TRUE(harness.window->Toolbar()->Action(id)->isSeparator());
    }
}


TEST(RunPresenter, AutoScrollKeepsTheRunInViewUnlessSwitchedOff)
{
    for (const int autoScroll : {1, 0}) {
        SCOPED_TRACE(autoScroll);
        WindowHarness harness;
        Settings stored;
        stored.autoScroll = autoScroll;
        StoreSettings(harness, stored);
        std::string lines;
        for (int i = 0; i < 200; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            harness.Dir().WriteFile(name, "123456789");
            lines += name + " CBF43926\n";
        }
        const QString list = QString::fromStdString(harness.Dir().WriteFile("many.sfv", lines));
        MainWindow& window = harness.Start(list);
        window.resize(500, 400);
        ASSERT_TRUE(harness.WaitForRuns(1));
        const ChecksumListView& view = *window.ListView();
        if (autoScroll == 1) {
            // The list followed the run down to its last row, which is in full view.
            EXPECT_GT(view.TopRow(), 150);
            const QRect last = view.visualRect(window.ListProxy()->index(window.ListProxy()->ViewRow(199), 0));
            EXPECT_TRUE(view.viewport()->rect().contains(last)) << last.y() << " in " << view.viewport()->height();
        } else {
            EXPECT_EQ(view.TopRow(), 0);
        }
        EXPECT_EQ(window.List().GetCounters(), (Counters{200, 0, 0, 0}));
    }
}

struct SortedRunCase {
    const char* name;
    std::function<void(MainWindow&)> arrange;
    std::vector<std::string> shown;  // after the run
};

const SortedRunCase kSortedRuns[] = {
    {"ByStateOnlyProblems",
     [](MainWindow& window) {
         window.ListView()->SortByState(Qt::AscendingOrder);
         window.FilterBar()->SetFilter(RowFilter::Problems);
     },
     {"bad.txt", "a2.txt", "missing.txt"}},
    {"ByStateDescendingAll",
     [](MainWindow& window) { window.ListView()->SortByState(Qt::DescendingOrder); },
     {"z1.txt", "good.txt", "missing.txt", "bad.txt", "a2.txt"}},
    {"ByNameWithNameText",
     [](MainWindow& window) {
         window.ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn,
                                                                 Qt::DescendingOrder);
         window.FilterBar()->TextEdit()->setText(QStringLiteral(".TXT"));
         window.FilterBar()->SetFilter(RowFilter::NameText);
     },
     {"z1.txt", "missing.txt", "good.txt", "bad.txt", "a2.txt"}},
};

class SortedRun : public ::testing::TestWithParam<SortedRunCase> {};

TEST_P(SortedRun, StatesAndCountersLandOnTheRightFiles)
{
    const SortedRunCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteMixedList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    c.arrange(window);
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));

    EXPECT_EQ(window.List().GetCounters(), (Counters{2, 2, 1, 0}));
    const std::vector<std::pair<std::string, EntryStatus>> states = {{"z1.txt", EntryStatus::OK},
                                                                     {"bad.txt", EntryStatus::Bad},
                                                                     {"good.txt", EntryStatus::OK},
                                                                     {"missing.txt", EntryStatus::Missing},
                                                                     {"a2.txt", EntryStatus::Bad}};
    for (int row = 0; row < static_cast<int>(states.size()); ++row) {
        EXPECT_EQ(window.List().RowName(row), states[static_cast<std::size_t>(row)].first);
        EXPECT_EQ(window.List().RowStatus(row), states[static_cast<std::size_t>(row)].second) << row;
    }
    EXPECT_EQ(ShownNames(window), c.shown);
    EXPECT_EQ(window.Verdict()->Text(), QStringLiteral("2 bad, 1 missing of 5 files."));
}

INSTANTIATE_TEST_SUITE_P(RunPresenter, SortedRun, ::testing::ValuesIn(kSortedRuns),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RunPresenter, VerifyingSelectedProblemsAgainChecksThemThoughTheyLeaveTheView)
{
    WindowHarness harness;
    // A large file first, so the window shows the rows reset (and filtered out) while
    // the run is still on it.
    const std::string big = harness.Dir().WriteFile("big.bin", "");
    std::filesystem::resize_file(big, std::uintmax_t{256} << 20);
    harness.Dir().WriteFile("good.txt", "123456789");
    harness.Dir().WriteFile("bad.txt", "abc");
    MainWindow& window = harness.Start(QString::fromStdString(
        harness.Dir().WriteFile("big.sfv", "big.bin 00000001\ngood.txt CBF43926\nbad.txt 00000000\n")));
    ASSERT_TRUE(harness.WaitForRuns(1));
    window.FilterBar()->SetFilter(RowFilter::Problems);
    ASSERT_EQ(ShownNames(window), (std::vector<std::string>{"big.bin", "bad.txt"}));
    window.ListView()->selectAll();
    ChecksumRowMenu& menu = *window.RowMenu();
    menu.UpdateActions();
    ASSERT_TRUE(menu.VerifyAction()->isEnabled());
    menu.VerifyAction()->trigger();
    ASSERT_TRUE(harness.WaitForRuns(2));

    // Both selected rows were checked, although resetting them took them out of view.
    EXPECT_EQ(window.List().GetCounters(), (Counters{0, 2, 0, 1}));
    EXPECT_EQ(window.List().RowStatus(0), EntryStatus::Bad);
    EXPECT_EQ(window.List().RowStatus(2), EntryStatus::Bad);
    EXPECT_EQ(ShownNames(window), (std::vector<std::string>{"big.bin", "bad.txt"}));
    // The list's selection is what the view shows again.
    EXPECT_EQ(window.List().SelectedCount(), static_cast<int>(window.ListView()->SelectedListRows().size()));
}

TEST(RunPresenter, VerifySelectedIsOfferedOnlyWhenARunCouldStart)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    window.ListView()->selectionModel()->select(window.ListProxy()->index(1, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ChecksumRowMenu& menu = *window.RowMenu();
    menu.UpdateActions();
    EXPECT_TRUE(menu.VerifyAction()->isEnabled());
    window.ListView()->selectionModel()->clearSelection();
    harness.Click(CommandId::StartPause);  // every row
    window.ListView()->selectionModel()->select(window.ListProxy()->index(1, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    menu.UpdateActions();
    EXPECT_FALSE(menu.VerifyAction()->isEnabled()) << "running";
    menu.VerifyAction()->trigger();
    EXPECT_EQ(window.List().GetRunState(), RunState::Running);
    harness.Click(CommandId::StartPause);
    menu.UpdateActions();
    EXPECT_FALSE(menu.VerifyAction()->isEnabled()) << "paused: Start/Pause resumes";
    harness.Click(CommandId::Stop);
    menu.UpdateActions();
    EXPECT_TRUE(menu.VerifyAction()->isEnabled()) << "stopped";
}

}  // namespace
