// MD5 over more than 512 MiB: the bit count passes 2^32 and carries into its high word.

#include "md5.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Md5, InputPastFiveHundredTwelveMebibytesCarriesIntoTheHighCountWord)
{
    std::vector<unsigned char> block(std::size_t{1} << 20);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    Md5 md5;
    for (int mebibyte = 0; mebibyte < 512; ++mebibyte) {  // 2^32 bits exactly
        md5.Update(block.data(), block.size());
    }
    const unsigned char tail[] = {'t', 'a', 'i', 'l', '!'};
    md5.Update(tail, sizeof tail);
    // Digest of the same bytes by Python's hashlib.
    EXPECT_EQ(md5.Final(), "78420D450E9ADA64703D8474D0F64D77");
}

}  // namespace
