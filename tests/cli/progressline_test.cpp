// tallyfox-check's terminal progress line at fixed figures.

#include "progressline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;

ProgressFigures Measured()
{
    ProgressFigures figures;
    figures.percent = 42;
    figures.bytesDone = 42 * kMiB;
    figures.totalBytes = 100 * kMiB;
    figures.bytesPerSecond = 10.0 * kMiB;
    figures.secondsLeft = 5.8;
    return figures;
}

struct LineCase {
    const char* name;
    ProgressFigures figures;
    std::string file;
    int width;
    std::string expected;
};

class TerminalProgressLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(TerminalProgressLineTest, Reads)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(TerminalProgressLine(c.figures, 12, 300, c.file, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TerminalProgressLineTest,
    testing::Values(
        LineCase{"EveryFigureAndTheFile", Measured(), "dir/file.bin", 200,
                 " 42%  12/300  42.0 MB of 100.0 MB  10.0 MB/s  0:06 left  dir/file.bin"},
        LineCase{"SpeedNotMeasuredYet", ProgressFigures{0, 0, 4096, std::nullopt, std::nullopt}, "a", 200,
                 "  0%  12/300  0 B of 4.0 KB  -- MB/s  -- left  a"},
        LineCase{"CutShortOfTheLastColumn", Measured(), "dir/file.bin", 21, " 42%  12/300  42.0 M"},
        LineCase{"NeverInsideAUtf8Character", Measured(), "\xc3\xa9t\xc3\xa9.bin", 60,
                 " 42%  12/300  42.0 MB of 100.0 MB  10.0 MB/s  0:06 left  \xc3\xa9t"},
        LineCase{"ControlCharactersInANameShowAsQuestionMarks", Measured(), "a\rb\x1b", 200,
                 " 42%  12/300  42.0 MB of 100.0 MB  10.0 MB/s  0:06 left  a?b?"},
        LineCase{"NoFileNoTrailingGap", Measured(), "", 200,
                 " 42%  12/300  42.0 MB of 100.0 MB  10.0 MB/s  0:06 left"}),
    [](const testing::TestParamInfo<LineCase>& row) { return std::string(row.param.name); });

}  // namespace
