// The toolbar's states in every situation of use, row by row.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"

#include <gtest/gtest.h>

#include <QItemSelectionModel>

namespace {

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

TEST(ToolbarStates, ViewsAndRunsStartedByClicks)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    EXPECT_EQ(Row(harness), kIdle) << "start-up";

    harness.Click(CommandId::ViewToggle);
    EXPECT_EQ(Row(harness), "DCEDDE") << "browser view";
    EXPECT_FALSE(window.ChecksumViewShown());
    harness.Click(CommandId::ViewToggle);
    EXPECT_EQ(Row(harness), kIdle) << "back in the checksum view";

    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(Row(harness), kIdle) << "a list loaded";

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDCED") << "running over all entries";
    EXPECT_TRUE(window.PanelShown() || QTest::qWaitFor([&] { return window.PanelShown(); }, 5000));

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDEED") << "paused";
    EXPECT_EQ(window.List().GetRunState(), RunState::Paused);

    harness.Click(CommandId::StartPause);
    EXPECT_EQ(Row(harness), "DDDCED") << "resumed";

    harness.Click(CommandId::Stop);
    EXPECT_EQ(Row(harness), kIdle) << "after Stop";
    EXPECT_FALSE(window.PanelShown());

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

TEST(ToolbarStates, ARunThatEndsGivesEverythingBack)
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

TEST(ToolbarStates, GenerateWithNothingSelectedAndPropertiesKeepTheStates)
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

TEST(ToolbarStates, TooltipsNameEveryButton)
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

}  // namespace
