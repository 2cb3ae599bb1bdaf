#include "blake3.h"
#include "blake3path.h"
#include "blake3testhelpers.h"
#include "checksumtesthelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class Blake3PathTest : public ::testing::TestWithParam<Blake3Path> {
protected:
    void SetUp() override
    {
        if (!Blake3PathSupported(GetParam())) {
            GTEST_SKIP() << Blake3PathName(GetParam()) << " is not supported by this CPU";
        }
    }
};

// Lengths at the edges of blocks, chunks, lane groups (4, 8, 16 chunks) and the
// subtrees hashed at once (up to 64 chunks), and beyond.
std::vector<std::size_t> EdgeLengths()
{
    std::vector<std::size_t> lengths = {0, 1, 63, 64, 65, 1023, 1024, 1025};
    for (const std::size_t chunks : {2u, 3u, 4u, 5u, 7u, 8u, 9u, 15u, 16u, 17u, 31u, 32u, 33u, 63u, 64u, 65u, 128u,
                                     129u, 191u, 255u, 256u, 257u}) {
        for (const std::size_t length : {chunks * 1024 - 1, chunks * 1024, chunks * 1024 + 1, chunks * 1024 + 64,
                                         chunks * 1024 + 512}) {
            lengths.push_back(length);
        }
    }
    return lengths;
}

TEST_P(Blake3PathTest, SameDigestAsPortableForEveryLengthAndEveryWayOfFeeding)
{
    Blake3 probe(GetParam());
    ASSERT_EQ(probe.ActivePath(), GetParam());
    const std::string input = PatternBytes(260 * 1024, 26);
    const std::size_t pieces[] = {1, 100, 5000, 65536};
    for (const std::size_t length : EdgeLengths()) {
        const std::string message = input.substr(0, length);
        const std::string expected = Blake3Hex(message, 32, Blake3Path::Portable);
        EXPECT_EQ(Blake3Hex(message, 32, GetParam()), expected) << "length " << length;
        for (const std::size_t piece : pieces) {
            if (piece == 1 && length > 2100) {
                continue;  // bytewise feeding is covered by the shorter lengths
            }
            Blake3 hasher(GetParam());
            for (std::size_t offset = 0; offset < length; offset += piece) {
                hasher.Update(Bytes(message) + offset, std::min(piece, length - offset));
            }
            EXPECT_EQ(LowerHex(hasher), expected) << "length " << length << ", pieces of " << piece;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPath, Blake3PathTest,
                         ::testing::Values(Blake3Path::Sse41, Blake3Path::Avx2, Blake3Path::Avx512),
                         [](const ::testing::TestParamInfo<Blake3Path>& param) {
                             return std::string(Blake3PathName(param.param));
                         });

}  // namespace
