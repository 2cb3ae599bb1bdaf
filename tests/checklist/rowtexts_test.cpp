#include "rowtexts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

using Row = std::pair<std::string, std::string>;

void ExpectRows(const RowTexts& texts, const std::vector<Row>& rows)
{
    ASSERT_EQ(texts.Size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(texts.Name(i), rows[i].first) << "row " << i;
        ASSERT_EQ(texts.Checksum(i), rows[i].second) << "row " << i;
    }
}

struct RowsCase {
    const char* name;
    std::vector<Row> rows;
};

std::vector<Row> ManyRowsOfVaryingLength(std::size_t count)
{
    std::vector<Row> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows.emplace_back(std::string(i % 7, 'n') + std::to_string(i), std::string(i % 3, 'C'));
    }
    return rows;
}

class RowTextsRoundTripTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(RowTextsRoundTripTest, GivesBackEveryNameAndChecksumAsAppended)
{
    RowTexts texts;
    texts.Reserve(4, 16);  // a hint smaller than the rows: they still fit
    for (const Row& row : GetParam().rows) {
        texts.Append(row.first, row.second);
    }
    ExpectRows(texts, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowTextsRoundTripTest,
    ::testing::Values(
        RowsCase{"None", {}},
        RowsCase{"EmptyNamesAndChecksums", {{"", ""}, {"a", ""}, {"", "0A"}, {"", ""}}},
        RowsCase{"NamesThatLookLikeChecksums", {{"00000001", "00000002"}, {"x 0", "1"}}},
        RowsCase{"NameJustUnderTheShortLimit", {{std::string(65'534, 'a'), "AB"}, {"b", "CD"}}},
        RowsCase{"HugeNamesAmongShortOnes",
                 {{"short", "01"}, {std::string(65'535, 'h'), "02"}, {std::string(300'000, 'g'), ""},
                  {"after", "03"}}},
        RowsCase{"HugeChecksum", {{"n", std::string(100'000, 'F')}, {"m", "1"}}},
        RowsCase{"RowsAcrossSeveralBlocks", ManyRowsOfVaryingLength(200'000)}),
    [](const ::testing::TestParamInfo<RowsCase>& row) { return std::string(row.param.name); });

TEST(RowTextsTest, ClearedRowsCanBeFilledAgain)
{
    RowTexts texts;
    for (const Row& row : ManyRowsOfVaryingLength(70'000)) {
        texts.Append(row.first, row.second);
    }
    texts.Append(std::string(70'000, 'L'), "Z");
    texts.Clear();
    EXPECT_TRUE(texts.Empty());
    const std::vector<Row> again{{std::string(70'000, 'M'), "Y"}, {"second", "X"}};
    for (const Row& row : again) {
        texts.Append(row.first, row.second);
    }
    ExpectRows(texts, again);
}

}  // namespace
