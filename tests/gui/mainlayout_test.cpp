// The window's geometry rules, the command line, the title and auto-scrolling, as pure
// functions.

#include "autoscroll.h"
#include "commandline.h"
#include "mainlayout.h"
#include "windowtitle.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(StatusPartEdges, QuarterRuleTruncates)
{
    EXPECT_EQ(StatusPartEdges(435), (std::array<int, 4>{108, 217, 327, -1}));
    EXPECT_EQ(StatusPartEdges(800), (std::array<int, 4>{200, 400, 600, -1}));
    EXPECT_EQ(StatusPartEdges(3), (std::array<int, 4>{0, 1, 3, -1}));
}

TEST(MainLayout, AToolbarWithoutHeightCountsAsThirtyPixels)
{
    EXPECT_EQ(ToolbarHeightOr30(0), 30);
    EXPECT_EQ(ToolbarHeightOr30(-4), 30);
    EXPECT_EQ(ToolbarHeightOr30(26), 26);
}

TEST(MainLayout, ProgressBarSitsInsideThePanel)
{
    EXPECT_EQ(ProgressBarRect(600, 53), QRect(15, 23, 570, 15));
    EXPECT_EQ(ProgressBarRect(435, 52), QRect(15, 22, 405, 15));  // (52 - 15) / 2 truncates
}

TEST(MainLayout, FilenameColumnTakesWhatSizeLeaves)
{
    EXPECT_EQ(FilenameColumnWidth(580), 480);
}

struct SplitterCase {
    const char* name;
    int x;
    int current;
    int width;
    bool allowed;
};

class SplitterMove : public ::testing::TestWithParam<SplitterCase> {};

TEST_P(SplitterMove, FollowsTheLimits)
{
    const SplitterCase& c = GetParam();
    EXPECT_EQ(SplitterMoveAllowed(c.x, c.current, c.width), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SplitterMove,
    ::testing::Values(SplitterCase{"SamePlace", 220, 220, 600, false},
                      SplitterCase{"LeftToEighty", 80, 220, 600, false},
                      SplitterCase{"LeftToEightyOne", 81, 220, 600, true},
                      SplitterCase{"RightUpToTheFileListMinimum", 449, 220, 600, true},
                      SplitterCase{"RightIntoTheFileListMinimum", 450, 220, 600, false},
                      SplitterCase{"LeftFromBeyondTheMinimum", 460, 500, 600, true},
                      SplitterCase{"RightFromBeyondTheMinimum", 520, 500, 600, false}),
    [](const ::testing::TestParamInfo<SplitterCase>& param) { return std::string(param.param.name); });

struct ScrollCase {
    const char* name;
    int row;
    int top;
    int perPage;
    int newTop;  // -1: no scroll
};

class AutoScroll : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(AutoScroll, KeepsTheRowAndTheNextInView)
{
    const ScrollCase& c = GetParam();
    EXPECT_EQ(AutoScrollTopRow(c.row, c.top, c.perPage), c.newTop);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AutoScroll,
    ::testing::Values(ScrollCase{"FirstRowVisible", 0, 0, 10, -1},
                      ScrollCase{"SecondToLastVisibleLine", 8, 0, 10, -1},
                      ScrollCase{"LastVisibleLineMovesUpOne", 9, 0, 10, 1},
                      ScrollCase{"FarBelowComesToSecondToLastLine", 50, 0, 10, 42},
                      ScrollCase{"AboveComesToTheFirstLine", 3, 20, 10, 3},
                      ScrollCase{"OneRowViewShowsTheRow", 5, 0, 1, 5},
                      ScrollCase{"NoRowsVisibleShowsTheRow", 5, 0, 0, 5}),
    [](const ::testing::TestParamInfo<ScrollCase>& param) { return std::string(param.param.name); });

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    QString listPath;
};

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, TakesTheFirstPlainArgument)
{
    EXPECT_EQ(CommandLineListPath(GetParam().arguments), GetParam().listPath);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    ::testing::Values(CommandLineCase{"None", {"tallyfox"}, ""},
                      CommandLineCase{"OnePath", {"tallyfox", "/data/a b.sfv"}, "/data/a b.sfv"},
                      CommandLineCase{"FlagsSkipped", {"tallyfox", "-x", "--y", "list.md5"}, "list.md5"},
                      CommandLineCase{"FirstOfTwo", {"tallyfox", "one.sfv", "two.sfv"}, "one.sfv"},
                      CommandLineCase{"AfterDoubleDashAFlagIsAPath", {"tallyfox", "--", "-odd.sfv"}, "-odd.sfv"},
                      CommandLineCase{"LoneDashIsAPath", {"tallyfox", "-"}, "-"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& param) { return std::string(param.param.name); });

TEST(WindowTitle, NamesVersionAndList)
{
    EXPECT_EQ(MainWindowTitle(), QStringLiteral("Tallyfox 1.3"));
    EXPECT_EQ(MainWindowTitle(QStringLiteral("/data/x.sfv")), QStringLiteral("Tallyfox 1.3 - /data/x.sfv"));
    // Qt would take "[*]" for its modified mark and drop it; doubled it shows as written.
    EXPECT_EQ(MainWindowTitle(QStringLiteral("/a[*].sfv")), QStringLiteral("Tallyfox 1.3 - /a[*][*].sfv"));
}

}  // namespace
