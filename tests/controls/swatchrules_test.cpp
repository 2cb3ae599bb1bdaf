// The pop-up palette's fixed rules: the 40 colours, the arrow-key moves, the entry
// chosen on opening, and where the pop-up goes on the screen.

#include "rowname.h"
#include "colorref.h"
#include "colourtable.h"
#include "swatchlayout.h"
#include "swatchnavigation.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct Named {
    const char* name;
    int red;
    int green;
    int blue;
};

TEST(SwatchColours, FortyNamedColoursInPaletteOrder)
{
    const std::array<Named, kSwatchColourCount> expected{{
        {"Black", 0, 0, 0},           {"Brown", 165, 42, 0},           {"Dark Olive Green", 0, 64, 64},
        {"Dark Green", 0, 85, 0},     {"Dark Teal", 0, 0, 94},         {"Dark blue", 0, 0, 139},
        {"Indigo", 75, 0, 130},       {"Dark grey", 40, 40, 40},       {"Dark red", 139, 0, 0},
        {"Orange", 255, 104, 32},     {"Dark yellow", 139, 139, 0},    {"Green", 0, 147, 0},
        {"Teal", 56, 142, 142},       {"Blue", 0, 0, 255},             {"Blue-grey", 123, 123, 192},
        {"Grey - 40", 102, 102, 102}, {"Red", 255, 0, 0},              {"Light orange", 255, 173, 91},
        {"Lime", 50, 205, 50},        {"Sea green", 60, 179, 113},     {"Aqua", 127, 255, 212},
        {"Light blue", 125, 158, 192}, {"Violet", 128, 0, 128},        {"Grey - 50", 127, 127, 127},
        {"Pink", 255, 192, 203},      {"Gold", 255, 215, 0},           {"Yellow", 255, 255, 0},
        {"Bright green", 0, 255, 0},  {"Turquoise", 64, 224, 208},     {"Skyblue", 192, 255, 255},
        {"Plum", 72, 0, 72},          {"Light grey", 192, 192, 192},   {"Rose", 255, 228, 225},
        {"Tan", 210, 180, 140},       {"Light yellow", 255, 255, 224}, {"Pale green ", 152, 251, 152},
        {"Pale turquoise", 175, 238, 238}, {"Pale blue", 104, 131, 139}, {"Lavender", 230, 230, 250},
        {"White", 255, 255, 255},
    }};
    for (int index = 0; index < kSwatchColourCount; ++index) {
        const Named& colour = expected[static_cast<std::size_t>(index)];
        EXPECT_EQ(SwatchColourName(index), QString::fromLatin1(colour.name)) << "cell " << index;
        EXPECT_EQ(SwatchColorRef(index), ColorRefFromRgb(colour.red, colour.green, colour.blue)) << "cell " << index;
        EXPECT_EQ(ColourFromColorRef(SwatchColorRef(index)), QColor(colour.red, colour.green, colour.blue));
    }
    // Red sits in the lowest byte of the stored form.
    EXPECT_EQ(SwatchColorRef(9), 0x002068FFu);
}

struct MoveRow {
    std::string name;
    int from;
    SwatchKey key;
    bool hasDefault;
    bool hasCustom;
    int to;
};

class SwatchMoves : public testing::TestWithParam<MoveRow> {};

TEST_P(SwatchMoves, ArrowKeyGoesToTheTableEntry)
{
    const MoveRow& row = GetParam();
    EXPECT_EQ(NextSwatchEntry(row.from, row.key, {row.hasDefault, row.hasCustom}), row.to);
}

constexpr int kAuto = kDefaultSwatchEntry;
constexpr int kMore = kCustomSwatchEntry;
constexpr int kNone = kNoSwatchEntry;
using K = SwatchKey;

INSTANTIATE_TEST_SUITE_P(
    Table, SwatchMoves,
    testing::Values(MoveRow{"RightAlongTheRow", 3, K::Right, true, true, 4},
                    MoveRow{"RightFromTheLastColumnToTheNextRow", 7, K::Right, true, true, 8},
                    MoveRow{"RightPastTheLastCellToMoreColours", 39, K::Right, true, true, kMore},
                    MoveRow{"RightPastTheLastCellWithoutMoreToAutomatic", 39, K::Right, true, false, kAuto},
                    MoveRow{"RightPastTheLastCellWithoutTextsToCell0", 39, K::Right, false, false, 0},
                    MoveRow{"LeftAlongTheRow", 4, K::Left, true, true, 3},
                    MoveRow{"LeftFromColumn0ToThePreviousRowsEnd", 16, K::Left, true, true, 15},
                    MoveRow{"LeftFromCell0ToAutomatic", 0, K::Left, true, true, kAuto},
                    MoveRow{"LeftFromCell0WithoutAutomaticToMore", 0, K::Left, false, true, kMore},
                    MoveRow{"LeftFromCell0WithoutTextsToTheLastCell", 0, K::Left, false, false, 39},
                    MoveRow{"UpARow", 20, K::Up, true, true, 12},
                    MoveRow{"UpFromRow0ToAutomatic", 5, K::Up, true, true, kAuto},
                    MoveRow{"UpFromRow0WithoutTextsToTheLastCell", 5, K::Up, false, false, 39},
                    MoveRow{"DownARow", 27, K::Down, true, true, 35},
                    MoveRow{"DownFromTheRowEndAboveTheLastCell", 31, K::Down, true, true, 39},
                    MoveRow{"DownFromTheLastRowToMore", 35, K::Down, true, true, kMore},
                    MoveRow{"DownFromTheLastRowWithoutMoreToAutomatic", 35, K::Down, true, false, kAuto},
                    MoveRow{"AutomaticRightToCell0", kAuto, K::Right, true, true, 0},
                    MoveRow{"AutomaticDownToCell0", kAuto, K::Down, true, true, 0},
                    MoveRow{"AutomaticLeftToMore", kAuto, K::Left, true, true, kMore},
                    MoveRow{"AutomaticUpWithoutMoreToTheLastCell", kAuto, K::Up, true, false, 39},
                    MoveRow{"MoreLeftToTheLastCell", kMore, K::Left, true, true, 39},
                    MoveRow{"MoreUpToTheLastCell", kMore, K::Up, true, true, 39},
                    MoveRow{"MoreRightToAutomatic", kMore, K::Right, true, true, kAuto},
                    MoveRow{"MoreDownWithoutAutomaticToCell0", kMore, K::Down, false, true, 0},
                    MoveRow{"NothingLeftToAutomatic", kNone, K::Left, true, true, kAuto},
                    MoveRow{"NothingUpWithoutAutomaticToMore", kNone, K::Up, false, true, kMore},
                    MoveRow{"NothingRightToMore", kNone, K::Right, true, true, kMore},
                    MoveRow{"NothingDownWithoutMoreToAutomatic", kNone, K::Down, true, false, kAuto},
                    MoveRow{"NothingDownWithoutTextsToCell0", kNone, K::Down, false, false, 0}),
    RowName());

struct ChosenRow {
    std::string name;
    std::uint32_t colour;
    bool hasDefault;
    bool hasCustom;
    int chosen;
};

class SwatchChosen : public testing::TestWithParam<ChosenRow> {};

TEST_P(SwatchChosen, OpeningColourMarksItsEntry)
{
    const ChosenRow& row = GetParam();
    EXPECT_EQ(ChosenSwatchEntry(row.colour, {row.hasDefault, row.hasCustom}), row.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, SwatchChosen,
    testing::Values(ChosenRow{"AutomaticColour", kColorRefDefault, true, true, kAuto},
                    ChosenRow{"AutomaticWithoutTheEntryIsMore", kColorRefDefault, false, true, kMore},
                    ChosenRow{"PaletteColour", ColorRefFromRgb(0, 147, 0), true, true, 11},
                    ChosenRow{"White", 0x00FFFFFF, true, true, 39},
                    ChosenRow{"OtherColourIsMore", 0x00123456, true, true, kMore},
                    ChosenRow{"OtherColourWithoutMoreIsNothing", 0x00123456, true, false, kNone}),
    RowName());

struct PlaceRow {
    std::string name;
    QRect picker;
    QPoint place;
};

class SwatchPlace : public testing::TestWithParam<PlaceRow> {};

TEST_P(SwatchPlace, PopupStaysOnTheScreen)
{
    const QRect screen(0, 0, 800, 600);
    EXPECT_EQ(PlaceSwatchPopup(GetParam().picker, QSize(150, 140), screen), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(
    Screen, SwatchPlace,
    testing::Values(PlaceRow{"BelowAtTheLeftEdge", QRect(100, 100, 60, 20), QPoint(100, 120)},
                    PlaceRow{"AboveWhenBelowPassesTheBottom", QRect(100, 500, 60, 20), QPoint(100, 360)},
                    PlaceRow{"ShiftedLeftAtTheRightEdge", QRect(700, 100, 60, 20), QPoint(650, 120)},
                    PlaceRow{"ShiftedRightAtTheLeftEdge", QRect(-30, 100, 60, 20), QPoint(0, 120)}),
    RowName());

TEST(SwatchLayout, CellsSitBetweenAutomaticAndMoreColours)
{
    const SwatchLayout layout = LayOutSwatches(2, QSize(60, 13), QSize(90, 13));
    // 8 cells of 18 with a margin of 2 each side; the wider text is narrower than that.
    EXPECT_EQ(layout.window.width(), 148);
    EXPECT_EQ(layout.defaultBox, QRect(QPoint(2, 2), QPoint(145, 26)));  // text box 13 + 4*2 + 2 = 23
    EXPECT_EQ(layout.CellRect(0), QRect(2, 29, 18, 18));
    EXPECT_EQ(layout.CellRect(39), QRect(128, 101, 18, 18));
    EXPECT_EQ(layout.customBox.top(), 2 + 5 * 18 + 2 + 4 + 25);
    EXPECT_EQ(layout.EntryAt(layout.CellRect(12).center()), 12);
    EXPECT_EQ(layout.EntryAt(layout.defaultBox.center()), kAuto);
    EXPECT_EQ(layout.EntryAt(layout.customBox.center()), kMore);
    EXPECT_EQ(layout.EntryAt(QPoint(0, 0)), kNone);
}

}  // namespace
