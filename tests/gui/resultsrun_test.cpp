// Runs seen through the sorted and filtered list: the verdict when a run ends, its
// offer to show only the problems, and the run's rows, counters and selection kept in
// the list's own order whatever the view shows.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"
#include "checksumrowmenu.h"
#include "listfilterbar.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ShownNames(const MainWindow& window)
{
    std::vector<std::string> names;
    const ChecksumListProxy& proxy = *window.ListProxy();
    for (int row = 0; row < proxy.rowCount(); ++row) {
        names.emplace_back(window.List().RowName(proxy.ListRow(row)));
    }
    return names;
}

// good.txt, bad.txt and missing.txt of the harness's small list, plus z1.txt (OK)
// and a2.txt (bad), in the order z1, bad, good, missing, a2.
QString WriteMixedList(const WindowHarness& harness)
{
    harness.Dir().WriteFile("good.txt", "123456789");
    harness.Dir().WriteFile("z1.txt", "123456789");
    harness.Dir().WriteFile("bad.txt", "abc");
    harness.Dir().WriteFile("a2.txt", "abc");
    return QString::fromStdString(harness.Dir().WriteFile(
        "mixed.sfv", "z1.txt CBF43926\nbad.txt 00000000\ngood.txt CBF43926\nmissing.txt 00000000\na2.txt 11111111\n"));
}

TEST(ResultsRun, AllOKSaysSoWithoutAnOffer)
{
    WindowHarness harness;
    harness.Dir().WriteFile("good.txt", "123456789");
    harness.Dir().WriteFile("z1.txt", "123456789");
    MainWindow& window =
        harness.Start(QString::fromStdString(harness.Dir().WriteFile("ok.sfv", "good.txt CBF43926\nz1.txt CBF43926\n")));
    ASSERT_TRUE(harness.WaitForRuns(1));
    const VerdictBar& verdict = *window.Verdict();
    EXPECT_TRUE(verdict.isVisible());
    EXPECT_EQ(verdict.Text(), QStringLiteral("All 2 files OK."));
    EXPECT_FALSE(verdict.ProblemsButton()->isVisible());
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
    EXPECT_TRUE(harness.dialogs.notes.isEmpty());
}

TEST(ResultsRun, ProblemsAreCountedAndTheOfferShowsOnlyThem)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(WriteMixedList(harness));
    ASSERT_TRUE(harness.WaitForRuns(1));
    const VerdictBar& verdict = *window.Verdict();
    EXPECT_EQ(verdict.Text(), QStringLiteral("2 bad, 1 missing of 5 files."));
    ASSERT_TRUE(verdict.ProblemsButton()->isVisible());
    verdict.ProblemsButton()->click();
    EXPECT_EQ(window.FilterBar()->Filter(), RowFilter::Problems);
    EXPECT_EQ(ShownNames(window), (std::vector<std::string>{"bad.txt", "missing.txt", "a2.txt"}));
}

// A list opened says how to verify it, in place of the last run's verdict, until a run starts.
TEST(ResultsRun, TheVerdictGoesWhenARunStartsOrAListIsOpened)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(WriteMixedList(harness));
    ASSERT_TRUE(harness.WaitForRuns(1));
    ASSERT_TRUE(window.Verdict()->isVisible());
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_TRUE(window.Verdict()->isVisible());
    EXPECT_EQ(window.Verdict()->Text(), QStringLiteral("2 files listed: press F5 to verify"));
    EXPECT_FALSE(window.Verdict()->ProblemsButton()->isVisible());

    // Paused: no verdict yet. Stopped: what was found so far.
    harness.Click(CommandId::StartPause);
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(2));
    EXPECT_EQ(window.List().GetRunState(), RunState::Paused);
    EXPECT_FALSE(window.Verdict()->isVisible());
    harness.Click(CommandId::Stop);
    EXPECT_TRUE(window.Verdict()->isVisible());
    EXPECT_EQ(window.Verdict()->Text(), QStringLiteral("Stopped before any file was checked."));

    harness.Click(CommandId::StartPause);
    EXPECT_FALSE(window.Verdict()->isVisible());
    harness.Click(CommandId::Stop);
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

INSTANTIATE_TEST_SUITE_P(ResultsRun, SortedRun, ::testing::ValuesIn(kSortedRuns),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ResultsRun, VerifyingSelectedProblemsAgainChecksThemThoughTheyLeaveTheView)
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

TEST(ResultsRun, VerifySelectedIsOfferedOnlyWhenARunCouldStart)
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

// A list that gives no entry says so, rather than ending as an empty run.
TEST(ResultsRun, AListWithNoChecksumLineSaysSo)
{
    WindowHarness harness;
    MainWindow& window =
        harness.Start(QString::fromStdString(harness.Dir().WriteFile("notes.md5", "# only a comment\ngarbage\n")));
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_TRUE(window.Verdict()->isVisible());
    EXPECT_EQ(window.Verdict()->Text(), QStringLiteral("The list holds no checksum lines: nothing to verify."));
}

// Every file bad under a kind only guessed from the digests' length (a SHA3-256 list
// read as SHA-256): the verdict names the likelier cause, and the status bar's
// warnings say the kind was guessed.
TEST(ResultsRun, AGuessedKindWithEveryFileBadIsCalledProbablyAnotherKind)
{
    WindowHarness harness;
    harness.Dir().WriteFile("abc.txt", "abc");
    MainWindow& window = harness.Start(QString::fromStdString(harness.Dir().WriteFile(
        "CHECKSUMS.txt", "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532  abc.txt\n")));
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_EQ(window.Verdict()->Text(),
              QStringLiteral("1 bad: the list is probably not SHA256 but of another kind whose digests are as long."));
    EXPECT_TRUE(window.StatusBar()->toolTip().contains(
        QStringLiteral("the list's kind (SHA256) is guessed from its digests' length")))
        << window.StatusBar()->toolTip().toStdString();
}

}  // namespace
