#include "md5.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string Md5Of(const std::string& text)
{
    CMd5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    return md5.Final();
}

struct KnownDigest {
    const char* name;
    std::string input;
    const char* digest;
};

TEST(Md5, KnownDigests)
{
    const KnownDigest kCases[] = {
        // RFC 1321, appendix A.5 (test suite).
        {"rfc empty", "", "D41D8CD98F00B204E9800998ECF8427E"},
        {"rfc a", "a", "0CC175B9C0F1B6A831C399E269772661"},
        {"rfc abc", "abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"rfc message digest", "message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"rfc alphabet", "abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"rfc alphanumerics", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"rfc digits x8", "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
        // Padding boundaries: n letters 'a' (digests as printed by GNU coreutils md5sum).
        {"55 bytes: length fits after the pad byte", std::string(55, 'a'), "EF1772B6DFF9A122358552954AD0DF65"},
        {"56 bytes: padding spills into a new block", std::string(56, 'a'), "3B0C8AC703F828B04C6C197006D17218"},
        {"63 bytes", std::string(63, 'a'), "B06521F39153D618550606BE297466D5"},
        {"64 bytes: one whole block", std::string(64, 'a'), "014842D480B571495A4A0363793F7367"},
        {"65 bytes", std::string(65, 'a'), "C743A45E0D2E6A95CB859ADAE0248435"},
        // Digest bytes 0x00, 0x0A and 0xAB render as 00, 0A and AB (md5sum).
        {"zero, low and high bytes", "digest-9972", "E504E7A70F28B4008DAB2E520A1DD315"},
    };
    for (const KnownDigest& row : kCases) {
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
        CMd5 oneShot;
        oneShot.Update(bytes.data(), length);
        const std::string expected = oneShot.Final();
        for (const std::size_t chunk : {1u, 3u, 63u, 64u, 65u, 1000u}) {
            CMd5 chunked;
            for (std::size_t offset = 0; offset < length; offset += chunk) {
                chunked.Update(bytes.data() + offset, std::min(chunk, length - offset));
            }
            ASSERT_EQ(chunked.Final(), expected) << "length " << length << ", chunk " << chunk;
        }
    }
}

TEST(Md5, InitStartsAFreshDigest)
{
    CMd5 md5;
    const std::string text = "discarded";
    md5.Update(reinterpret_cast<const unsigned char*>(text.data()), text.size());
    md5.Init();
    const std::string abc = "abc";
    md5.Update(reinterpret_cast<const unsigned char*>(abc.data()), abc.size());
    EXPECT_EQ(md5.Final(), "900150983CD24FB0D6963F7D28E17F72");
}

}  // namespace
