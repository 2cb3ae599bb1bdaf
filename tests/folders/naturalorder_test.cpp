#include "naturalorder.h"

#include "rowname.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    const char* name;
    const char* first;
    const char* second;  // goes after first
};

class NaturalOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(NaturalOrderTest, OrdersTheNames)
{
    const OrderCase& row = GetParam();
    EXPECT_LT(CompareNatural(row.first, row.second), 0);
    EXPECT_GT(CompareNatural(row.second, row.first), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NaturalOrderTest,
    testing::Values(OrderCase{"IgnoresCase", "apple", "Banana"},
                    OrderCase{"NumbersByValue", "disc 2", "disc 10"},
                    OrderCase{"LeadingZerosByValue", "track 007", "track 08"},
                    OrderCase{"PrefixFirst", "photo", "photos"},
                    OrderCase{"ZeroBeforeZeroThenLetter", "a0", "a0b"},
                    OrderCase{"EqualButForCaseByBytes", "Music", "music"},
                    OrderCase{"DigitsBeforeLetters", "2024", "archive"},
                    OrderCase{"NonAsciiAfterAscii", "zebra", "\xc3\xa9t\xc3\xa9"}),
    RowName{});

TEST(NaturalOrder, SameNameIsEqual)
{
    EXPECT_EQ(CompareNatural("Folder 1", "Folder 1"), 0);
}

}  // namespace
