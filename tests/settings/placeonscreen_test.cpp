#include "placeonscreen.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

const ScreenRect kPrimary{0, 0, 1920, 1080};
const ScreenRect kRightScreen{1920, 0, 3840, 1080};

struct PlaceCase {
    const char* name;
    ScreenRect window;
    std::vector<ScreenRect> screens;
    ScreenRect primary;
    ScreenRect expected;
};

const PlaceCase kCases[] = {
    {"OnPrimaryStays", {100, 100, 900, 700}, {kPrimary, kRightScreen}, kPrimary, {100, 100, 900, 700}},
    {"OnSecondScreenStays", {2000, 100, 2800, 700}, {kPrimary, kRightScreen}, kPrimary, {2000, 100, 2800, 700}},
    {"PartlyVisibleStays", {-500, -500, 10, 10}, {kPrimary}, kPrimary, {-500, -500, 10, 10}},
    {"OnRemovedScreenMovesKeepingSize", {2000, 100, 2800, 700}, {kPrimary}, kPrimary, {0, 0, 800, 600}},
    {"FarAwayMovesKeepingSize", {5000, 100, 5800, 700}, {kPrimary, kRightScreen}, kPrimary, {0, 0, 800, 600}},
    {"TouchingTheEdgeIsOff", {3840, 0, 4000, 100}, {kPrimary, kRightScreen}, kPrimary, {0, 0, 160, 100}},
    {"LargerThanPrimaryIsClamped", {5000, 0, 9000, 3000}, {kPrimary}, kPrimary, {0, 0, 1920, 1080}},
    {"PrimaryLeftOfOrigin", {5000, 0, 5400, 300}, {{-1280, 0, 0, 1024}}, {-1280, 0, 0, 1024}, {-1280, 0, -880, 300}},
    {"NoScreensMeansPrimaryOnly", {2000, 100, 2800, 700}, {}, kPrimary, {0, 0, 800, 600}},
    {"InvertedRectangleHasNoSize", {900, 900, 100, 100}, {kPrimary}, kPrimary, {0, 0, 0, 0}},
    {"WholeIntRangeWideIsClamped", {INT_MIN, 5000, INT_MAX, 6000}, {kPrimary}, kPrimary, {0, 0, 1920, 1000}},
    {"LargerThanItsScreenIsFitted", {-100, 50, 2500, 1500}, {kPrimary}, kPrimary, {0, 0, 1920, 1080}},
    {"TallerThanItsScreenIsFittedInHeightOnly", {100, -200, 900, 1400}, {kPrimary}, kPrimary, {100, 0, 900, 1080}},
    {"FittedToTheScreenItOverlapsMost", {1800, 100, 4000, 700}, {kPrimary, kRightScreen}, kPrimary,
     {1920, 100, 3840, 700}},
    {"FarNegativeMoves", {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 20}, {kPrimary}, kPrimary, {0, 0, 10, 20}},
};

class PlaceOnScreenTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceOnScreenTest, KeepsOrMovesTheWindow)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(PlaceOnScreen(c.window, c.screens, c.primary), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlaceOnScreen, PlaceOnScreenTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
