// The progress panel's texts at fixed sampled values, and the live progress that feeds
// it from a run's events: no timers, no window.

#include "checksumlist.h"
#include "liveprogress.h"
#include "progresspanel.h"

#include <gtest/gtest.h>

#include <QLabel>

#include <string>

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;

ProgressFigures Figures(int percent, std::uint64_t done, std::uint64_t total, std::optional<double> speed,
                        std::optional<double> left)
{
    return ProgressFigures{percent, done, total, speed, left};
}

struct PanelCase {
    const char* name;
    RunPhase phase;
    ProgressFigures figures;
    QString state;
    QString figuresText;
    QString file;  // what the panel keeps as the current file, given "dir/file.bin"
};

class ProgressPanelTexts : public testing::TestWithParam<PanelCase> {};

TEST_P(ProgressPanelTexts, ShowTheStateAndTheFigures)
{
    const PanelCase& c = GetParam();
    ProgressPanel panel;
    panel.resize(600, 53);
    panel.ShowFigures(c.figures, QStringLiteral("dir/file.bin"));
    panel.SetPhase(c.phase);
    EXPECT_EQ(panel.StateText(), c.state);
    EXPECT_EQ(panel.FiguresText(), c.figuresText);
    EXPECT_EQ(panel.FileText(), c.file);
}

const ProgressFigures kMeasured = Figures(42, 42 * kMiB, 100 * kMiB, 10.0 * kMiB, 5.8);

INSTANTIATE_TEST_SUITE_P(
    Phases, ProgressPanelTexts,
    testing::Values(
        PanelCase{"RunningWithEveryFigure", RunPhase::Running, kMeasured, QStringLiteral("Running"),
                  QStringLiteral("42% · 42.0 MB of 100.0 MB · 10.0 MB/s · 0:06 left"), QStringLiteral("dir/file.bin")},
        PanelCase{"RunningBeforeTheSpeedIsKnown", RunPhase::Running, Figures(0, 0, 4096, std::nullopt, std::nullopt),
                  QStringLiteral("Running"), QStringLiteral("0% · 0 B of 4.0 KB · -- MB/s · -- left"),
                  QStringLiteral("dir/file.bin")},
        PanelCase{"PausedKeepsTheFileAndDropsSpeedAndTimeLeft", RunPhase::Paused, kMeasured,
                  QStringLiteral("Paused"), QStringLiteral("42% · 42.0 MB of 100.0 MB"), QStringLiteral("dir/file.bin")},
        PanelCase{"StoppedHasNoCurrentFile", RunPhase::Stopped, kMeasured, QStringLiteral("Stopped"),
                  QStringLiteral("42% · 42.0 MB of 100.0 MB"), QString()},
        PanelCase{"FinishedHasNoCurrentFile", RunPhase::Finished, Figures(100, 100 * kMiB, 100 * kMiB, 10.0 * kMiB, 0.0),
                  QStringLiteral("Finished"), QStringLiteral("100% · 100.0 MB of 100.0 MB"), QString()}),
    [](const testing::TestParamInfo<PanelCase>& row) { return std::string(row.param.name); });

TEST(ProgressPanel, ALongFileNameIsElidedInTheMiddleWithTheWholeNameInItsTooltip)
{
    ProgressPanel panel;
    panel.resize(435, 53);
    const QString name = QStringLiteral("first-folder/") + QString(200, QLatin1Char('x')) + QStringLiteral("/last.bin");
    panel.ShowFigures(kMeasured, name);
    const auto* label = panel.findChild<QLabel*>(QStringLiteral("progressFile"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("fi"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral(".bin"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().contains(QChar(0x2026)));
    EXPECT_LT(label->geometry().right(), panel.findChild<QLabel*>(QStringLiteral("progressState"))->geometry().left());
    EXPECT_EQ(label->toolTip(), name);
}

// A list of five files of 1 MiB each (their sizes as a load finds them).
void FillFiveRows(ChecksumList& list)
{
    ChecksumListContent content;
    content.listPath = "/lists/set.sfv";
    content.baseFolder = "/lists/";
    content.kind = ListKind::Sfv;
    for (const char* name : {"r0.bin", "r1.bin", "r2.bin", "r3.bin", "r4.bin"}) {
        content.rows.Append(name, "00000000");
    }
    content.sizes = {kMiB, kMiB, kMiB, kMiB, kSizeNotFound};
    content.totalBytes = 4 * kMiB;
    list.Replace(std::move(content));
}

TEST(LiveProgress, ARunOverEveryRowShowsTheCurrentRowAndEachStateInWords)
{
    ChecksumList list;
    FillFiveRows(list);
    ProgressPanel panel;
    panel.resize(600, 53);
    LiveProgress live(list, panel);

    live.OnRunEvent(RunEvent::Started, 0, 10.0);
    list.SetCurrentIndex(2);
    live.Refresh(2 * kMiB, 11.0);
    EXPECT_EQ(panel.StateText(), QStringLiteral("Running"));
    EXPECT_EQ(panel.FileText(), QStringLiteral("r2.bin"));
    EXPECT_EQ(panel.FiguresText(), QStringLiteral("50% · 2.0 MB of 4.0 MB · 2.0 MB/s · 0:01 left"));

    live.OnRunEvent(RunEvent::Paused, 2 * kMiB, 11.5);
    EXPECT_EQ(panel.StateText(), QStringLiteral("Paused"));
    EXPECT_EQ(panel.FileText(), QStringLiteral("r2.bin"));  // where the run goes on

    // The pause's minute does not count: the speed is measured afresh.
    live.OnRunEvent(RunEvent::Resumed, 2 * kMiB, 71.5);
    EXPECT_EQ(panel.FiguresText(), QStringLiteral("50% · 2.0 MB of 4.0 MB · -- MB/s · -- left"));
    live.Refresh(3 * kMiB, 72.5);
    EXPECT_EQ(panel.FiguresText(), QStringLiteral("75% · 3.0 MB of 4.0 MB · 1.0 MB/s · 0:01 left"));

    live.OnRunEvent(RunEvent::Stopped, 3 * kMiB, 73.0);
    live.OnRunEvent(RunEvent::Finished, 3 * kMiB, 73.0);  // a stopped run's common end
    EXPECT_EQ(panel.StateText(), QStringLiteral("Stopped"));
    EXPECT_EQ(panel.FileText(), QString());

    live.OnRunEvent(RunEvent::Started, 0, 80.0);
    live.OnRunEvent(RunEvent::Finished, 4 * kMiB, 81.0);
    EXPECT_EQ(panel.StateText(), QStringLiteral("Finished"));
}

TEST(LiveProgress, ARunOverSelectedRowsShowsTheRowBeingCheckedOfItsOwnTotal)
{
    ChecksumList list;
    FillFiveRows(list);
    list.SetRowSelected(1, true);
    list.SetRowSelected(3, true);
    ProgressPanel panel;
    panel.resize(600, 53);
    LiveProgress live(list, panel);

    live.OnRunEvent(RunEvent::SelectedRowsStarted, 0, 0.0);
    live.Refresh(0, 0.0);
    EXPECT_EQ(live.CurrentRow(), -1);  // the run has not reached row 1 yet
    list.SetRowStatus(1, static_cast<int>(EntryStatus::Checking));
    live.Refresh(kMiB / 2, 1.0);
    EXPECT_EQ(panel.FileText(), QStringLiteral("r1.bin"));
    EXPECT_EQ(panel.FiguresText(), QStringLiteral("25% · 512.0 KB of 2.0 MB · 0.5 MB/s · 0:03 left"));

    // Between two files the last one stays; then the next selected row.
    list.SetRowStatus(1, static_cast<int>(EntryStatus::OK));
    live.Refresh(kMiB, 2.0);
    EXPECT_EQ(panel.FileText(), QStringLiteral("r1.bin"));
    list.SetRowStatus(3, static_cast<int>(EntryStatus::Checking));
    live.Refresh(kMiB, 3.0);
    EXPECT_EQ(panel.FileText(), QStringLiteral("r3.bin"));
}

}  // namespace
