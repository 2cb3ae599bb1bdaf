#include "md5.h"
#include "md5knowndigests.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Md5Of(const std::string& text)
{
    Md5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    return md5.Final();
}

TEST(Md5, KnownDigests)
{
    for (const KnownDigest& row : Md5KnownDigests()) {
        EXPECT_EQ(Md5Of(row.input), row.digest) << row.name;
    }
}

TEST(Md5, ChunkedUpdatesEqualOneShot)
{
    std::mt19937 generator(42);
    std::vector<unsigned char> bytes(20000);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(generator() & 0xFFu);
    }
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{64}, std::size_t{1000},
                                     std::size_t{1024}, std::size_t{4097}, bytes.size()}) {
        Md5 oneShot;
        oneShot.Update(bytes.data(), length);
        const std::string expected = oneShot.Final();
        for (const std::size_t chunk : {1u, 3u, 63u, 64u, 65u, 1000u}) {
            Md5 chunked;
            for (std::size_t offset = 0; offset < length; offset += chunk) {
                chunked.Update(bytes.data() + offset, std::min(chunk, length - offset));
            }
            ASSERT_EQ(chunked.Final(), expected) << "length " << length << ", chunk " << chunk;
        }
    }
}

TEST(Md5, InitStartsAFreshDigest)
{
    Md5 md5;
    const std::string text = "discarded";
    md5.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    md5.Init();
    const std::string abc = "abc";
    md5.Update(reinterpret_cast<const unsigned char*>(abc.data()), abc.size());
    EXPECT_EQ(md5.Final(), "900150983CD24FB0D6963F7D28E17F72");
}

}  // namespace
