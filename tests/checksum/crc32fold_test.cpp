#include "checksumtesthelpers.h"
#include "crc32engine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> RandomBytes(std::size_t size, unsigned seed)
{
    std::vector<unsigned char> bytes(size);
    std::mt19937 generator(seed);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(generator() & 0xFFu);
    }
    return bytes;
}

TEST(Crc32Table, IsTheStandardReflectedTable)
{
    Crc32Engine engine;
    engine.BuildTable();
    const std::uint32_t* table = engine.Table();
    ASSERT_NE(table, nullptr);
    for (unsigned n = 0; n < 256; ++n) {
        const unsigned char byte = static_cast<unsigned char>(n);
        ASSERT_EQ(table[n], ReferenceCrcFold(0, &byte, 1)) << "entry " << n;
    }
    EXPECT_EQ(table[1], 0x77073096u);
    EXPECT_EQ(table[255], 0x2D02EF8Du);
}

TEST(Crc32Table, RebuildReplacesAndFreeReleases)
{
    Crc32Engine engine;
    EXPECT_FALSE(engine.HasTable());
    EXPECT_EQ(engine.Table(), nullptr);
    engine.BuildTable();
    engine.BuildTable();
    EXPECT_TRUE(engine.HasTable());
    engine.FreeTable();
    EXPECT_FALSE(engine.HasTable());
    const unsigned char byte = 'x';
    EXPECT_EQ(engine.Fold(0x12345678u, &byte, 1), 0x12345678u) << "no table: the register is left alone";
}

TEST(Crc32Path, UnsupportedOrAutoResolvesToARealPath)
{
    Crc32Engine engine;
    EXPECT_NE(engine.ActivePath(), Crc32Path::Auto);
    for (const Crc32Path path : {Crc32Path::Auto, Crc32Path::Table, Crc32Path::Slicing16, Crc32Path::Pclmul,
                                 Crc32Path::Vpclmul}) {
        engine.SetPath(path);
        EXPECT_TRUE(Crc32PathSupported(engine.ActivePath())) << Crc32PathName(path);
        if (path != Crc32Path::Auto && Crc32PathSupported(path)) {
            EXPECT_EQ(engine.ActivePath(), path);
        }
    }
}

class Crc32FoldPath : public ::testing::TestWithParam<Crc32Path> {
protected:
    void SetUp() override
    {
        if (!Crc32PathSupported(GetParam())) {
            GTEST_SKIP() << "the CPU lacks " << Crc32PathName(GetParam());
        }
        m_engine.BuildTable();
        m_engine.SetPath(GetParam());
        ASSERT_EQ(m_engine.ActivePath(), GetParam());
    }

    Crc32Engine m_engine;
};

TEST_P(Crc32FoldPath, CheckValueOfTheNineDigits)
{
    // The CRC-32 check value (ISO 3309 / ITU-T V.42, CRC-32/ISO-HDLC in the catalogue
    // of parametrised CRC algorithms): "123456789" gives CBF43926.
    const std::string digits = "123456789";
    const auto* data = reinterpret_cast<const unsigned char*>(digits.data());
    EXPECT_EQ(m_engine.Fold(0xFFFFFFFFu, data, digits.size()) ^ 0xFFFFFFFFu, 0xCBF43926u);
}

TEST_P(Crc32FoldPath, MatchesTheBitwiseDefinitionOnRandomSlices)
{
    const std::vector<unsigned char> bytes = RandomBytes(8192, 7);
    std::mt19937 generator(11);
    for (int round = 0; round < 400; ++round) {
        const std::size_t offset = generator() % 64;
        const std::size_t length = round < 300 ? generator() % 1100 : generator() % (bytes.size() - offset);
        const std::uint32_t start = generator();
        ASSERT_EQ(m_engine.Fold(start, bytes.data() + offset, length),
                  ReferenceCrcFold(start, bytes.data() + offset, length))
            << "offset " << offset << ", length " << length << ", register " << std::hex << start;
    }
}

TEST_P(Crc32FoldPath, MatchesTheBitwiseDefinitionAtVectorBoundaries)
{
    const std::vector<unsigned char> bytes = RandomBytes(5000, 3);
    for (const std::size_t length : {0u, 1u, 3u, 4u, 15u, 16u, 17u, 63u, 64u, 65u, 127u, 128u, 129u, 143u, 144u,
                                     255u, 256u, 257u, 271u, 319u, 320u, 511u, 512u, 513u, 4095u, 4096u, 4097u}) {
        for (const std::size_t offset : {0u, 1u, 7u, 33u}) {
            ASSERT_EQ(m_engine.Fold(0xFFFFFFFFu, bytes.data() + offset, length),
                      ReferenceCrcFold(0xFFFFFFFFu, bytes.data() + offset, length))
                << "offset " << offset << ", length " << length;
        }
    }
}

TEST_P(Crc32FoldPath, MatchesTheBitwiseDefinitionOnLargeInputs)
{
    const std::vector<unsigned char> bytes = RandomBytes((1u << 20) + 77, 5);
    for (const std::size_t length : {std::size_t{1} << 20, bytes.size() - 3}) {
        ASSERT_EQ(m_engine.Fold(0x0u, bytes.data() + 3, length), ReferenceCrcFold(0x0u, bytes.data() + 3, length))
            << "length " << length;
    }
    const std::vector<unsigned char> zeros(70000, 0);
    EXPECT_EQ(m_engine.Fold(0xFFFFFFFFu, zeros.data(), zeros.size()),
              ReferenceCrcFold(0xFFFFFFFFu, zeros.data(), zeros.size()));
}

INSTANTIATE_TEST_SUITE_P(EveryPath, Crc32FoldPath, kEveryCrc32Path, PathTestName);

}  // namespace
