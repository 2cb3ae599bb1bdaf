// The window's live progress during a real run, and its report of the last run saved
// through the Save dialog's seam.

#include "windowharness.h"

#include "progresspanel.h"
#include "statusbarparts.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QProgressBar>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RunPresenter, ALongRunNamesItsFileAndItsStateAndAPauseSaysSo)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    const ProgressPanel& panel = *window.Panel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.FileText() == QLatin1String("huge.bin"); }, 30000));
    EXPECT_EQ(panel.StateText(), QStringLiteral("Running"));
    EXPECT_TRUE(panel.FiguresText().contains(QStringLiteral(" of 4.00 GB · "))) << panel.FiguresText().toStdString();

    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.StateText(), QStringLiteral("Paused"));
    EXPECT_EQ(panel.FileText(), QStringLiteral("huge.bin"));
    EXPECT_FALSE(panel.FiguresText().contains(QStringLiteral("left")));

    harness.Click(CommandId::Stop);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.StateText(), QStringLiteral("Stopped"));
}

TEST(RunPresenter, ARunThatEndsSaysFinished)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_EQ(window.Panel()->StateText(), QStringLiteral("Finished"));
    EXPECT_FALSE(window.Panel()->isVisible());  // hidden at the end, as before
}

// The small list verified: good.txt OK, bad.txt bad, missing.txt missing.
MainWindow& RunSmallList(WindowHarness& harness)
{
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    EXPECT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    EXPECT_TRUE(harness.WaitForRuns(1));
    return window;
}

const std::string kTextReport = "good.txt: OK\nbad.txt: BAD\nmissing.txt: MISSING\n"
                                "OK: 1, Bad: 1, Missing: 1, Unchecked: 0\n";
// CRC-32 of "abc" is 352441C2.
const std::string kCsvReport = "name,size,state,expected,found\r\n"
                               "good.txt,9,OK,CBF43926,CBF43926\r\n"
                               "bad.txt,3,BAD,00000000,352441C2\r\n"
                               "missing.txt,,MISSING,00000000,\r\n";

struct SaveCase {
    const char* name;
    std::string answer;  // the name chosen in the Save dialog
    int filter;          // 1 text, 2 CSV
    std::string written;
    std::string contents;
};

class SaveReportWindow : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveReportWindow, WritesTheChosenFormat)
{
    const SaveCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = RunSmallList(harness);
    harness.dialogs.reportAnswer = SaveListAnswer{harness.Path(c.answer), c.filter};

    window.OnCommand(CommandId::SaveReport);

    ASSERT_EQ(harness.dialogs.reportSuggested, QStringList{harness.Path("small.txt")});
    EXPECT_EQ(harness.dialogs.reportFilters, (QStringList{QStringLiteral("Text report (*.txt)"),
                                                          QStringLiteral("CSV (*.csv)")}));
    EXPECT_EQ(ReadAll(harness.Dir().Path() / c.written), c.contents);
    EXPECT_TRUE(harness.dialogs.errors.isEmpty()) << harness.dialogs.errors.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Choices, SaveReportWindow,
    testing::Values(SaveCase{"TextFilter", "report", 1, "report.txt", kTextReport},
                    SaveCase{"CsvFilterAddsItsExtension", "report", 2, "report.csv", kCsvReport},
                    SaveCase{"CsvExtensionWinsOverTheTextFilter", "out.CSV", 1, "out.CSV", kCsvReport},
                    SaveCase{"TextExtensionWinsOverTheCsvFilter", "out.txt", 2, "out.txt", kTextReport},
                    SaveCase{"OtherExtensionKeptFilterDecides", "out.log", 2, "out.log", kCsvReport}),
    [](const testing::TestParamInfo<SaveCase>& row) { return std::string(row.param.name); });

TEST(RunPresenter, AFailedWriteSaysWhy)
{
    WindowHarness harness;
    MainWindow& window = RunSmallList(harness);
    std::filesystem::create_directory(harness.Dir().Path() / "taken.txt");
    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } cases[] = {
        {"NoSuchFolder", "absent/report.txt", "No such file or directory"},
        {"AFolderInTheWay", "taken.txt", "Is a directory"},
        {"TheListItself", "small.sfv", "that is the checksum list itself"},
    };
    for (const auto& c : cases) {
        harness.dialogs.errors.clear();
        harness.dialogs.reportAnswer = SaveListAnswer{harness.Path(c.path), 1};
        window.OnCommand(CommandId::SaveReport);
        EXPECT_EQ(harness.dialogs.errors,
                  QStringList{QStringLiteral("Write report [%1] failed: %2.")
                                  .arg(harness.Path(c.path), QString::fromStdString(c.reason))})
            << c.name;
    }
    EXPECT_EQ(ReadAll(harness.Dir().Path() / "small.sfv"), "good.txt CBF43926\nbad.txt 00000000\nmissing.txt 00000000\n");
    // A cancelled dialog writes nothing and says nothing.
    harness.dialogs.errors.clear();
    harness.dialogs.reportAnswer.reset();
    window.OnCommand(CommandId::SaveReport);
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

TEST(RunPresenter, CtrlSAndTheTotalsMenuSaveOnceThereAreResults)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    QAction& action = *window.SaveReportAction();
    EXPECT_EQ(action.shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(window.StatusBar()->actions().contains(&action));
    EXPECT_EQ(window.StatusBar()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_FALSE(action.isEnabled());  // no list yet

    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_TRUE(action.isEnabled());
    harness.Click(CommandId::StartPause);
    EXPECT_FALSE(action.isEnabled());  // not while the run goes on
    harness.Click(CommandId::Stop);
    ASSERT_TRUE(harness.WaitForRuns(1));
    ASSERT_TRUE(action.isEnabled());

    harness.dialogs.reportAnswer = SaveListAnswer{harness.Path("stopped.txt"), 1};
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    // The stopped run left huge.bin cut short and good.txt unchecked: no verdicts.
    EXPECT_EQ(ReadAll(harness.Dir().Path() / "stopped.txt"), "OK: 0, Bad: 0, Missing: 0, Unchecked: 2\n");
}

}  // namespace
