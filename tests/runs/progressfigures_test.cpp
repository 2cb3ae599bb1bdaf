// The live progress's arithmetic and texts at fixed sampled values: no clock involved.

#include "progressmeter.h"
#include "progresstexts.h"
#include "runphase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

struct Sample {
    std::uint64_t bytes;
    double seconds;
    bool restart = false;  // Restart at this count and time instead of sampling
};

struct MeterCase {
    const char* name;
    std::uint64_t total;
    std::vector<Sample> samples;  // the last one is a sample, whose figures are checked
    int percent;
    std::optional<double> speed;
    std::optional<double> secondsLeft;
};

class ProgressMeterTest : public testing::TestWithParam<MeterCase> {};

TEST_P(ProgressMeterTest, FiguresAfterTheSamples)
{
    const MeterCase& c = GetParam();
    ProgressMeter meter;
    ProgressFigures figures;
    for (const Sample& sample : c.samples) {
        if (sample.restart) {
            meter.Restart(sample.bytes, sample.seconds);
        } else {
            figures = meter.Sample(sample.bytes, c.total, sample.seconds);
        }
    }
    EXPECT_EQ(figures.percent, c.percent);
    EXPECT_EQ(figures.bytesDone, c.samples.back().bytes);
    EXPECT_EQ(figures.totalBytes, c.total);
    ASSERT_EQ(figures.bytesPerSecond.has_value(), c.speed.has_value());
    if (c.speed) {
        EXPECT_NEAR(*figures.bytesPerSecond, *c.speed, 1e-6 * *c.speed + 1e-9);
    }
    ASSERT_EQ(figures.secondsLeft.has_value(), c.secondsLeft.has_value());
    if (c.secondsLeft) {
        EXPECT_NEAR(*figures.secondsLeft, *c.secondsLeft, 1e-6);
    }
}

const std::uint64_t k1M = static_cast<std::uint64_t>(kMiB);
// One interval of 1 s at 10 MiB/s, then a second of nothing: the average keeps e^(-1/2).
const double kDecayed = 10.0 * kMiB * std::exp(-0.5);

INSTANTIATE_TEST_SUITE_P(
    Samples, ProgressMeterTest,
    testing::Values(
        MeterCase{"FirstSampleHasNoSpeedYet", 4 * k1M, {{0, 0.0, true}, {0, 0.0}}, 0, std::nullopt, std::nullopt},
        MeterCase{"FirstIntervalGivesTheSpeedAndTimeLeft", 4 * k1M, {{0, 0.0, true}, {k1M, 1.0}}, 25, kMiB, 3.0},
        MeterCase{"AStallDecaysTheSpeedByItsLength",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {10 * k1M, 2.0}},
                  10,
                  kDecayed,
                  90.0 * kMiB / kDecayed},
        MeterCase{"UnevenTicksWeighByTheirLength",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {10 * k1M, 1.5}, {10 * k1M, 2.0}},
                  10,
                  kDecayed,
                  90.0 * kMiB / kDecayed},
        MeterCase{"ASampleAtTheSameTimeChangesOnlyTheCounts",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {20 * k1M, 1.0}},
                  20,
                  10.0 * kMiB,
                  8.0},
        MeterCase{"ALowerCountRebasesWithoutChangingTheSpeed",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {5 * k1M, 2.0}},
                  5,
                  10.0 * kMiB,
                  9.5},
        MeterCase{"ARestartForgetsTheSpeed",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {10 * k1M, 60.0, true}, {10 * k1M, 60.0}},
                  10,
                  std::nullopt,
                  std::nullopt},
        MeterCase{"AfterARestartOnlyTheNewIntervalCounts",
                  100 * k1M,
                  {{0, 0.0, true}, {10 * k1M, 1.0}, {10 * k1M, 60.0, true}, {12 * k1M, 61.0}},
                  12,
                  2.0 * kMiB,
                  44.0},
        MeterCase{"BytesBeyondTheTotalShowFullAndNothingLeft",
                  k1M,
                  {{0, 0.0, true}, {2 * k1M, 1.0}},
                  100,
                  2.0 * kMiB,
                  0.0},
        MeterCase{"AZeroSpeedLeavesTheTimeUnknown", 0, {{0, 0.0, true}, {0, 1.0}}, 0, 0.0, std::nullopt},
        MeterCase{"SamplingWithoutARestartStartsThere", 10 * k1M, {{k1M, 5.0}}, 10, std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<MeterCase>& row) { return std::string(row.param.name); });

struct TextCase {
    const char* name;
    std::string text;
    std::string expected;
};

class ProgressTextsTest : public testing::TestWithParam<TextCase> {};

TEST_P(ProgressTextsTest, ReadsAsExpected)
{
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProgressTextsTest,
    testing::Values(TextCase{"BytesBelowAKilobyte", ByteAmountText(1023), "1023 B"},
                    TextCase{"Kilobytes", ByteAmountText(4096), "4.0 KB"},
                    TextCase{"Megabytes", ByteAmountText(12'897'485), "12.3 MB"},
                    TextCase{"GigabytesHaveTwoDecimals", ByteAmountText(std::uint64_t{3} << 29), "1.50 GB"},
                    TextCase{"Speed", SpeedText(45.6 * kMiB), "45.6 MB/s"},
                    TextCase{"SlowSpeed", SpeedText(1000.0), "0.0 MB/s"},
                    TextCase{"NegativeSpeed", SpeedText(-5.0), "0.0 MB/s"},
                    TextCase{"NotANumberSpeed", SpeedText(std::nan("")), "0.0 MB/s"},
                    TextCase{"SecondsRoundUp", DurationText(4.2), "0:05"},
                    TextCase{"Minutes", DurationText(754.0), "12:34"},
                    TextCase{"Hours", DurationText(3723.0), "1:02:03"},
                    TextCase{"NothingLeft", DurationText(0.0), "0:00"},
                    TextCase{"NegativeTime", DurationText(-3.0), "0:00"},
                    TextCase{"BeyondNinetyNineHours", DurationText(400000.0), "99:59:59+"},
                    TextCase{"InfiniteTime", DurationText(std::numeric_limits<double>::infinity()), "99:59:59+"}),
    [](const testing::TestParamInfo<TextCase>& row) { return std::string(row.param.name); });

struct PhaseCase {
    const char* name;
    RunPhase before;
    RunEvent event;
    RunPhase after;
};

class RunPhaseTest : public testing::TestWithParam<PhaseCase> {};

TEST_P(RunPhaseTest, FollowsTheEvent)
{
    EXPECT_EQ(NextRunPhase(GetParam().before, GetParam().event), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Events, RunPhaseTest,
    testing::Values(PhaseCase{"StartAfterAStop", RunPhase::Stopped, RunEvent::Started, RunPhase::Running},
                    PhaseCase{"SelectedStart", RunPhase::Finished, RunEvent::SelectedRowsStarted, RunPhase::Running},
                    PhaseCase{"Pause", RunPhase::Running, RunEvent::Paused, RunPhase::Paused},
                    PhaseCase{"Resume", RunPhase::Paused, RunEvent::Resumed, RunPhase::Running},
                    PhaseCase{"Stop", RunPhase::Running, RunEvent::Stopped, RunPhase::Stopped},
                    PhaseCase{"StopOfAPausedRun", RunPhase::Paused, RunEvent::Stopped, RunPhase::Stopped},
                    PhaseCase{"CommonEndOfAStoppedRunStaysStopped", RunPhase::Stopped, RunEvent::Finished,
                              RunPhase::Stopped},
                    PhaseCase{"Finish", RunPhase::Running, RunEvent::Finished, RunPhase::Finished},
                    PhaseCase{"PauseAfterTheLastRowStillFinishes", RunPhase::Paused, RunEvent::Finished,
                              RunPhase::Finished},
                    PhaseCase{"WorkerEndChangesNothing", RunPhase::Paused, RunEvent::WorkerEnded, RunPhase::Paused}),
    [](const testing::TestParamInfo<PhaseCase>& row) { return std::string(row.param.name); });

}  // namespace

namespace {

// A run simulated file by file: each file costs a fixed time plus its bytes at a fixed
// speed; sampled on a tick, as the front ends do.
struct SimulatedRun {
    const char* name;
    double perFile;                // seconds
    double bytesPerSecond;
    std::uint64_t (*size)(std::uint32_t random, bool secondHalf);
};

std::uint64_t SmallThenLarger(std::uint32_t random, bool secondHalf)
{
    const std::uint32_t limit = random % 4 == 0 ? 65536 : 512;
    return (random >> 8) % limit * (secondHalf ? 10 : 1);
}

std::uint64_t LargeFiles(std::uint32_t random, bool)
{
    return (8u << 20) + (random >> 8) % (8u << 20);
}

// Halfway through, the time left is the time the rest of the run takes: on small files
// a file's own cost rules (a byte speed measured on the small files ahead would see the
// larger ones after them as many seconds of work), on large files the bytes.
TEST(ProgressMeterTimeLeft, FollowsFilesAndBytes)
{
    static constexpr SimulatedRun kRuns[] = {
        {"100,000 small files, larger ones later", 20e-6, 500e6, &SmallThenLarger},
        {"200 large files", 20e-6, 500e6, &LargeFiles},
    };
    for (const SimulatedRun& run : kRuns) {
        const int fileCount = run.size == &LargeFiles ? 200 : 100000;
        std::vector<double> finish;  // when each file is done
        std::vector<std::uint64_t> sizes;
        std::uint32_t state = 12345;
        double clock = 0.0;
        std::uint64_t total = 0;
        for (int i = 0; i < fileCount; ++i) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            sizes.push_back(run.size(state, i >= fileCount / 2));
            total += sizes.back();
            clock += run.perFile + static_cast<double>(sizes.back()) / run.bytesPerSecond;
            finish.push_back(clock);
        }
        const double halfway = finish[static_cast<std::size_t>(fileCount / 2 - 1)];
        const double tick = halfway / 40;  // as many samples as the run is long
        ProgressMeter meter;
        meter.Restart(0, 0.0);
        ProgressFigures figures;
        std::size_t done = 0;
        std::uint64_t bytes = 0;
        for (double now = tick; now <= halfway + 1e-12; now += tick) {
            while (done < finish.size() && finish[done] <= now) {
                bytes += sizes[done++];
            }
            figures = meter.Sample(bytes, total, FileCounts{done, finish.size() - done}, now);
        }
        const double trueLeft = clock - halfway;
        ASSERT_TRUE(figures.secondsLeft.has_value()) << run.name;
        EXPECT_NEAR(*figures.secondsLeft, trueLeft, 0.1 * trueLeft) << run.name;
    }
}

}  // namespace
