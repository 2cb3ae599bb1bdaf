#include "listtypes.h"
#include "sizetext.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

struct SizeTextCase {
    const char* name;
    std::uint64_t size;
    int sizeType;
    const char* expected;
};

class FormatSizeTextTest : public testing::TestWithParam<SizeTextCase> {};

TEST_P(FormatSizeTextTest, GivesTheSizeText)
{
    const SizeTextCase& row = GetParam();
    EXPECT_EQ(FormatSizeText(row.size, row.sizeType), row.expected);
}

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

// The MB/GB boundary rows depend on the single-precision factors: 999,999,998 bytes
// scale to 999.999995... and round up to "1000.00 MB".
INSTANTIATE_TEST_SUITE_P(
    Auto, FormatSizeTextTest,
    testing::Values(SizeTextCase{"Zero", 0, kSizeTypeAuto, "0 bytes"},
                    SizeTextCase{"OneByte", 1, kSizeTypeAuto, "1 bytes"},
                    SizeTextCase{"LargestByteText", 1024, kSizeTypeAuto, "1024 bytes"},
                    SizeTextCase{"SmallestKilobyteText", 1025, kSizeTypeAuto, "1 KB"},
                    SizeTextCase{"LargestKilobyteText", 999'999, kSizeTypeAuto, "976 KB"},
                    SizeTextCase{"SmallestMegabyteText", 1'000'000, kSizeTypeAuto, "1.00 MB"},
                    SizeTextCase{"MegabytesRounded", 1'234'567, kSizeTypeAuto, "1.23 MB"},
                    SizeTextCase{"LargestMegabyteText", 999'999'998, kSizeTypeAuto, "1000.00 MB"},
                    SizeTextCase{"SmallestGigabyteText", 999'999'999, kSizeTypeAuto, "1.00 GB"},
                    SizeTextCase{"FourGiB", 4'294'967'296, kSizeTypeAuto, "4.29 GB"},
                    SizeTextCase{"SinglePrecisionFactorRoundsDown", 1'005'000'010, kSizeTypeAuto, "1.00 GB"},
                    SizeTextCase{"LargestSizeScaledBySinglePrecisionFactor", kMax, kSizeTypeAuto, "18446743552.00 GB"}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Kilobytes, FormatSizeTextTest,
    testing::Values(SizeTextCase{"Zero", 0, kSizeTypeKB, "1 KB"},
                    SizeTextCase{"BelowOneKilobyte", 1023, kSizeTypeKB, "1 KB"},
                    SizeTextCase{"ExactlyOneKilobyte", 1024, kSizeTypeKB, "1 KB"},
                    SizeTextCase{"Truncated", 2047, kSizeTypeKB, "1 KB"},
                    SizeTextCase{"TwoKilobytes", 2048, kSizeTypeKB, "2 KB"},
                    SizeTextCase{"Grouped", 1'048'576'000, kSizeTypeKB, "1,024,000 KB"},
                    SizeTextCase{"LargestSize", kMax, kSizeTypeKB, "18,014,398,509,481,983 KB"}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Bytes, FormatSizeTextTest,
    testing::Values(SizeTextCase{"Zero", 0, kSizeTypeBytes, "0"},
                    SizeTextCase{"ThreeDigits", 999, kSizeTypeBytes, "999"},
                    SizeTextCase{"FourDigits", 1000, kSizeTypeBytes, "1,000"},
                    SizeTextCase{"SevenDigits", 1'234'567, kSizeTypeBytes, "1,234,567"},
                    SizeTextCase{"Beyond32Bits", 5'000'000'000, kSizeTypeBytes, "5,000,000,000"},
                    SizeTextCase{"LargestSize", kMax, kSizeTypeBytes, "18,446,744,073,709,551,615"},
                    SizeTextCase{"UnknownModeActsAsBytes", 1234, 7, "1,234"},
                    SizeTextCase{"NegativeModeActsAsBytes", 123'456, -1, "123,456"}),
    RowName{});

}  // namespace
