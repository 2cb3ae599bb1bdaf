#include "profilestruct.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct EncodeCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* text;
};

// The first three are the stored forms the settings file is known to hold.
const EncodeCase kEncodeCases[] = {
    {"SizeTypeBytes", {0x02, 0x00, 0x00, 0x00}, "0200000002"},
    {"AutoScrollOn", {0x01, 0x00, 0x00, 0x00}, "0100000001"},
    {"DefaultRowColours", {0xFA, 0xFB, 0xFC, 0x00, 0xF0, 0xF3, 0xFA, 0x00}, "FAFBFC00F0F3FA00CE"},
    {"ChecksumWrapsModulo256", {0xFF, 0xFF, 0x80}, "FFFF807E"},
    {"EmptyRecord", {}, "00"},
};

class EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, EncodesAndDecodesBack)
{
    const EncodeCase& c = GetParam();
    EXPECT_EQ(EncodeProfileStruct(c.bytes), c.text);
    EXPECT_EQ(DecodeProfileStruct(c.text, c.bytes.size()), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(ProfileStruct, EncodeTest, testing::ValuesIn(kEncodeCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileStruct, AcceptsLowerCaseDigits)
{
    const std::vector<std::uint8_t> expected = {0xFA, 0xFB, 0xFC, 0x00, 0xF0, 0xF3, 0xFA, 0x00};
    EXPECT_EQ(DecodeProfileStruct("fafbfc00f0f3fa00ce", 8), expected);
}

struct RejectCase {
    const char* name;
    const char* text;
};

// Each is a 4-byte record that must not be read.
const RejectCase kRejectCases[] = {
    {"WrongChecksum", "0200000003"},  {"TooShort", "020000000"},      {"TooLong", "02000000020"},
    {"Empty", ""},                    {"NonHexDigit", "02000G0002"},  {"SignInDigits", "+200000002"},
    {"InnerSpace", "0200 00002"},     {"NonHexChecksum", "02000000XY"},
};

class RejectTest : public testing::TestWithParam<RejectCase> {};

TEST_P(RejectTest, FailsToRead)
{
    EXPECT_FALSE(DecodeProfileStruct(GetParam().text, 4).has_value());
}

INSTANTIATE_TEST_SUITE_P(ProfileStruct, RejectTest, testing::ValuesIn(kRejectCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
