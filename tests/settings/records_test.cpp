#include "fontrecord.h"
#include "listviewcolorrecord.h"
#include "profilestruct.h"
#include "windowposrecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

FontRecord DistinctFont()
{
    FontRecord record;
    record.colour = 0x00123456;
    record.logFont.lfHeight = -16;
    record.logFont.lfWidth = 0x01020304;
    record.logFont.lfEscapement = 900;
    record.logFont.lfOrientation = -900;
    record.logFont.lfWeight = 700;
    record.logFont.lfItalic = 1;
    record.logFont.lfUnderline = 2;
    record.logFont.lfStrikeOut = 3;
    record.logFont.lfCharSet = 0xEE;
    record.logFont.lfOutPrecision = 5;
    record.logFont.lfClipPrecision = 6;
    record.logFont.lfQuality = 7;
    record.logFont.lfPitchAndFamily = 0x31;
    record.logFont.lfFaceName = "DejaVu Sans";
    return record;
}

std::vector<std::uint8_t> Slice(const std::array<std::uint8_t, FontRecord::kSize>& bytes, std::size_t from,
                                std::size_t count)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(FontRecord, FieldsSitAtTheirOffsetsLittleEndian)
{
    const auto bytes = DistinctFont().ToBytes();
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(Slice(bytes, 0, 4), (Bytes{0x56, 0x34, 0x12, 0x00}));
    EXPECT_EQ(Slice(bytes, 4, 4), (Bytes{0xF0, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(bytes, 8, 4), (Bytes{0x04, 0x03, 0x02, 0x01}));
    EXPECT_EQ(Slice(bytes, 12, 4), (Bytes{0x84, 0x03, 0x00, 0x00}));
    EXPECT_EQ(Slice(bytes, 16, 4), (Bytes{0x7C, 0xFC, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(bytes, 20, 4), (Bytes{0xBC, 0x02, 0x00, 0x00}));
    EXPECT_EQ(Slice(bytes, 24, 8), (Bytes{1, 2, 3, 0xEE, 5, 6, 7, 0x31}));
    EXPECT_EQ(std::string(bytes.begin() + 32, bytes.begin() + 43), "DejaVu Sans");
    EXPECT_TRUE(std::all_of(bytes.begin() + 43, bytes.end(), [](std::uint8_t b) { return b == 0; }))
        << "the rest of the name and the handle are zero";
}

TEST(FontRecord, ReadsBackAndIgnoresTheStoredHandle)
{
    auto bytes = DistinctFont().ToBytes();
    bytes[64] = 0x78;
    bytes[65] = 0x56;
    bytes[66] = 0x34;
    bytes[67] = 0x12;
    const FontRecord read = FontRecord::FromBytes(bytes);
    EXPECT_EQ(read, DistinctFont());
    EXPECT_EQ(Slice(read.ToBytes(), 64, 4), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(FontRecord, NameWithoutTerminatorEndsWithItsField)
{
    auto bytes = DistinctFont().ToBytes();
    std::fill(bytes.begin() + 32, bytes.begin() + 64, static_cast<std::uint8_t>('x'));
    bytes[64] = 'y';
    EXPECT_EQ(FontRecord::FromBytes(bytes).logFont.lfFaceName, std::string(32, 'x'));
}

struct FaceCase {
    const char* name;
    std::string face;
    std::string stored;
};

const FaceCase kFaceCases[] = {
    {"Short", "Tahoma", "Tahoma"},
    {"ThirtyOneBytesFit", std::string(31, 'a'), std::string(31, 'a')},
    {"ThirtyTwoBytesCut", std::string(32, 'a'), std::string(31, 'a')},
    {"LongNameCut", std::string(80, 'b'), std::string(31, 'b')},
    // "é" is two bytes at offsets 30 and 31: cutting at 31 would split it.
    {"MultibyteNotSplit", std::string(30, 'a') + "\xC3\xA9", std::string(30, 'a')},
    {"FourByteSequenceNotSplit", std::string(29, 'a') + "\xF0\x9F\x98\x80", std::string(29, 'a')},
    {"EmbeddedZeroEndsName", std::string("Ta\0homa", 7), "Ta"},
};

class FaceNameTest : public testing::TestWithParam<FaceCase> {};

TEST_P(FaceNameTest, IsStoredZeroTerminatedWithinThirtyTwoBytes)
{
    FontRecord record;
    record.logFont.lfFaceName = GetParam().face;
    const auto bytes = record.ToBytes();
    EXPECT_EQ(bytes[63], 0);
    EXPECT_EQ(FontRecord::FromBytes(bytes).logFont.lfFaceName, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(FontRecord, FaceNameTest, testing::ValuesIn(kFaceCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct DpiCase {
    const char* name;
    int dpi;
    std::int32_t height;
};

// Nine points in pixels, rounded to the nearest as the platform's MulDiv does.
const DpiCase kDpiCases[] = {
    {"Dpi96", 96, -12}, {"Dpi120", 120, -15}, {"Dpi144", 144, -18},
    {"Dpi72", 72, -9},  {"Dpi100RoundsHalfUp", 100, -13}, {"Dpi0", 0, 0},
};

class DefaultFontTest : public testing::TestWithParam<DpiCase> {};

TEST_P(DefaultFontTest, IsTahomaNinePoints)
{
    const FontRecord record = DefaultFontRecord(GetParam().dpi);
    EXPECT_EQ(record.logFont.lfHeight, GetParam().height);
    EXPECT_EQ(record.colour, 0u);
    EXPECT_EQ(record.logFont.lfWeight, 400);
    EXPECT_EQ(record.logFont.lfCharSet, 0);
    EXPECT_EQ(record.logFont.lfOutPrecision, 4);
    EXPECT_EQ(record.logFont.lfFaceName, "Tahoma");
    EXPECT_EQ(record.logFont.lfWidth | record.logFont.lfEscapement | record.logFont.lfOrientation, 0);
    EXPECT_EQ(record.logFont.lfItalic | record.logFont.lfUnderline | record.logFont.lfStrikeOut |
                  record.logFont.lfClipPrecision | record.logFont.lfQuality | record.logFont.lfPitchAndFamily,
              0);
}

INSTANTIATE_TEST_SUITE_P(FontRecord, DefaultFontTest, testing::ValuesIn(kDpiCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ListViewColorRecord, DefaultColoursEncodeAsStored)
{
    EXPECT_EQ(EncodeProfileStruct(ListViewColorRecord{}.ToBytes()), "FAFBFC00F0F3FA00CE");
    const ListViewColorRecord custom{0x00FF0080, 0x00010203};
    EXPECT_EQ(ListViewColorRecord::FromBytes(custom.ToBytes()), custom);
}

TEST(WindowPosRecord, StoresSixSignedIntegersInOrder)
{
    const WindowPosRecord record{1, 1, -8, -8, 1928, 1088};
    EXPECT_EQ(EncodeProfileStruct(record.ToBytes()), "0100000001000000F8FFFFFFF8FFFFFF8807000040040000BF");
    EXPECT_EQ(WindowPosRecord::FromBytes(record.ToBytes()), record);
}

} // namespace
