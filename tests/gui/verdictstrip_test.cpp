// VerdictStrip: the words of a run's verdict, its offer of the problems, and when it goes.

#include "windowharness.h"

#include "listfilterbar.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(VerdictStrip, AllOKSaysSoWithoutAnOffer)
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

TEST(VerdictStrip, ProblemsAreCountedAndTheOfferShowsOnlyThem)
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
TEST(VerdictStrip, TheVerdictGoesWhenARunStartsOrAListIsOpened)
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

// A list that gives no entry says so, rather than ending as an empty run.
TEST(VerdictStrip, AListWithNoChecksumLineSaysSo)
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
TEST(VerdictStrip, AGuessedKindWithEveryFileBadIsCalledProbablyAnotherKind)
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


struct VerdictCase {
    const char* name;
    Counters counters;
    int total;
    bool stopped;
    const char* text;
};

const VerdictCase kVerdicts[] = {
    {"AllOK", {3000, 0, 0, 0}, 3000, false, "All 3,000 files OK."},
    {"OneFileOK", {1, 0, 0, 0}, 1, false, "The file is OK."},
    {"BadAndMissing", {2997, 2, 1, 0}, 3000, false, "2 bad, 1 missing of 3,000 files."},
    {"OnlyMissing", {0, 0, 1, 0}, 1, false, "1 missing of 1 file."},
    {"NoChecksumLines", {0, 0, 0, 0}, 0, false, "The list holds no checksum lines: nothing to verify."},
    {"NothingChecked", {0, 0, 0, 3}, 3, false, "No files were checked."},
    {"StoppedClean", {1200, 0, 0, 1800}, 3000, true, "Stopped after 1,200 of 3,000 files: all OK so far."},
    {"StoppedWithProblems", {10, 1, 0, 89}, 100, true, "Stopped after 11 of 100 files: 1 bad so far."},
    {"StoppedAtOnce", {0, 0, 0, 5}, 5, true, "Stopped before any file was checked."},
};

class Verdict : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, SaysWhatTheRunFound)
{
    const VerdictCase& c = GetParam();
    EXPECT_EQ(VerdictBar::VerdictText(c.counters, c.total, c.stopped).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(VerdictStrip, Verdict, ::testing::ValuesIn(kVerdicts),
                         [](const auto& row) { return std::string(row.param.name); });


}  // namespace
