#include "blake3.h"
#include "blake3testhelpers.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct KnownDigest {
    std::size_t length;
    const char* digest;
};

// The lengths of the published BLAKE3 test vectors (input byte i = i % 251); digests
// as `b3sum` 1.2.0 prints them for those inputs.
const KnownDigest kKnownDigests[] = {
    {0, "af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262"},
    {1, "2d3adedff11b61f14c886e35afa036736dcd87a74d27b5c1510225d0f592e213"},
    {1023, "10108970eeda3eb932baac1428c7a2163b0e924c9a9e25b35bba72b28f70bd11"},
    {1024, "42214739f095a406f3fc83deb889744ac00df831c10daa55189b5d121c855af7"},
    {1025, "d00278ae47eb27b34faecf67b4fe263f82d5412916c1ffd97c8cb7fb814b8444"},
    {2048, "e776b6028c7cd22a4d0ba182a8bf62205d2ef576467e838ed6f2529b85fba24a"},
    {2049, "5f4d72f40d7a5f82b15ca2b2e44b1de3c2ef86c426c95c1af0b6879522563030"},
    {3072, "b98cb0ff3623be03326b373de6b9095218513e64f1ee2edd2525c7ad1e5cffd2"},
    {3073, "7124b49501012f81cc7f11ca069ec9226cecb8a2c850cfe644e327d22d3e1cd3"},
    {4096, "015094013f57a5277b59d8475c0501042c0b642e531b0a1c8f58d2163229e969"},
    {4097, "9b4052b38f1c5fc8b1f9ff7ac7b27cd242487b3d890d15c96a1c25b8aa0fb995"},
    {5120, "9cadc15fed8b5d854562b26a9536d9707cadeda9b143978f319ab34230535833"},
    {5121, "628bd2cb2004694adaab7bbd778a25df25c47b9d4155a55f8fbd79f2fe154cff"},
    {6144, "3e2e5b74e048f3add6d21faab3f83aa44d3b2278afb83b80b3c35164ebeca205"},
    {6145, "f1323a8631446cc50536a9f705ee5cb619424d46887f3c376c695b70e0f0507f"},
    {7168, "61da957ec2499a95d6b8023e2b0e604ec7f6b50e80a9678b89d2628e99ada77a"},
    {7169, "a003fc7a51754a9b3c7fae0367ab3d782dccf28855a03d435f8cfe74605e7817"},
    {8192, "aae792484c8efe4f19e2ca7d371d8c467ffb10748d8a5a1ae579948f718a2a63"},
    {8193, "bab6c09cb8ce8cf459261398d2e7aef35700bf488116ceb94a36d0f5f1b7bc3b"},
    {16384, "f875d6646de28985646f34ee13be9a576fd515f76b5b0a26bb324735041ddde4"},
    {31744, "62b6960e1a44bcc1eb1a611a8d6235b6b4b78f32e7abc4fb4c6cdcce94895c47"},
    {102400, "bc3e3d41a1146b069abffad3c0d44860cf664390afce4d9661f7902e7943e085"},
};

// 131 output bytes (`b3sum --length 131`): a single root block, one chunk and a byte, many chunks.
const KnownDigest kExtendedOutputs[] = {
    {0, "af1349b9f5f9a1a6a0404dea36dcc9499bcb25c9adc112b7cc9a93cae41f3262e00f03e7b69af26b7faaf09fcd333050338ddfe085b8c"
        "c869ca98b206c08243a26f5487789e8f660afe6c99ef9e0c52b92e7393024a80459cf91f476f9ffdbda7001c22e159b402631f277ca96f2"
        "defdf1078282314e763699a31c5363165421cce14d"},
    {1025, "d00278ae47eb27b34faecf67b4fe263f82d5412916c1ffd97c8cb7fb814b8444f4c4a22b4b399155358a994e52bf255de60035742e"
           "c71bd08ac275a1b51cc6bfe332b0ef84b409108cda080e6269ed4b3e2c3f7d722aa4cdc98d16deb554e5627be8f955c98e1d5f9565"
           "a9194cad0c4285f93700062d9595adb992ae68ff12800ab67a"},
    {102400, "bc3e3d41a1146b069abffad3c0d44860cf664390afce4d9661f7902e7943e085e01c59dab908c04c3342b816941a26d69c2605e"
             "bee5ec5291cc55e15b76146e6745f0601156c3596cb75065a9c57f35585a52e1ac70f69131c23d611ce11ee4ab1ec2c009012d2"
             "36648e77be9295dd0426f29b764d65de58eb7d01dd42248204f45f8e"},
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST(Blake3, KnownDigestsOfTheTestVectorInputs)
{
    for (const KnownDigest& row : kKnownDigests) {
        const std::string input = Blake3VectorInput(row.length);
        EXPECT_EQ(Blake3Hex(input), row.digest) << "length " << row.length;
        Blake3 hasher;
        hasher.Update(Bytes(input), input.size());
        EXPECT_EQ(Lower(hasher.FinalHex()), row.digest) << "length " << row.length;
    }
}

TEST(Blake3, ExtendedOutputOfAnyLengthIsAPrefixOfTheLonger)
{
    for (const KnownDigest& row : kExtendedOutputs) {
        const std::string input = Blake3VectorInput(row.length);
        const std::string full = row.digest;
        for (const std::size_t bytes : {131u, 64u, 65u, 1u}) {
            EXPECT_EQ(Blake3Hex(input, bytes), full.substr(0, 2 * bytes)) << row.length << " bytes out " << bytes;
        }
    }
}

TEST(Blake3, FinalizingDoesNotChangeTheState)
{
    const std::string input = Blake3VectorInput(3073);
    Blake3 hasher;
    hasher.Update(Bytes(input), 2000);
    (void)hasher.FinalHex();
    hasher.Update(Bytes(input) + 2000, input.size() - 2000);
    EXPECT_EQ(Lower(hasher.FinalHex()), Blake3Hex(input));
    EXPECT_EQ(hasher.FinalHex(), hasher.FinalHex());
}

// Pieces that cut blocks, chunks and subtrees at every kind of place.
TEST(Blake3, UpdatesInPiecesOfAnySizeGiveTheOneUpdateDigest)
{
    struct PieceCase {
        const char* name;
        std::size_t piece;
    };
    static constexpr PieceCase kPieces[] = {
        {"bytes", 1},          {"odd", 13},           {"block less one", 63},    {"block", 64},
        {"block and one", 65}, {"chunk less one", 1023}, {"chunk", 1024},       {"chunk and one", 1025},
        {"page", 4096},        {"odd large", 7777},   {"subtree", 65536},        {"subtree and one", 65537},
    };
    const std::string input = Blake3VectorInput(300 * 1024 + 17);
    for (const std::size_t length : {std::size_t{2048}, std::size_t{64 * 1024}, std::size_t{200 * 1024}, input.size()}) {
        const std::string expected = Blake3Hex(input.substr(0, length));
        for (const PieceCase& row : kPieces) {
            Blake3 hasher;
            for (std::size_t offset = 0; offset < length; offset += row.piece) {
                hasher.Update(Bytes(input) + offset, std::min(row.piece, length - offset));
            }
            EXPECT_EQ(Lower(hasher.FinalHex()), expected) << row.name << ", length " << length;
        }
    }
}

// b3sum, where installed, over files of every size around the chunk and subtree edges,
// with 131 output bytes (three output blocks).
TEST(Blake3, AgreesWithB3sumAroundChunkAndSubtreeEdges)
{
    if (std::system("command -v b3sum >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "b3sum is not installed";
    }
    TempDir dir;
    std::string command = "cd '" + dir.Folder() + "' && b3sum --no-names --length 131";
    std::string expected;
    std::size_t index = 0;
    for (const std::size_t chunks : {1u, 2u, 3u, 8u, 15u, 16u, 17u, 31u, 32u, 33u, 64u, 65u, 127u, 128u, 129u, 300u}) {
        for (const std::size_t length : {chunks * 1024 - 1, chunks * 1024, chunks * 1024 + 1}) {
            const std::string name = std::to_string(index++);
            const std::string input = Blake3VectorInput(length);
            dir.WriteFile(name, input);
            command += " " + name;
            expected += Blake3Hex(input, 131) + "\n";
        }
    }
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[4096];
    for (std::size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        printed.append(buffer, got);
    }
    ASSERT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(printed, expected);
}

}  // namespace
